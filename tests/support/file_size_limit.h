#pragma once
// Makes every file write beyond a few bytes fail for as long as it lives, the way a full
// disk would; works for root, which folder permissions do not stop. Needs the per-process
// file size limit of Unix systems: elsewhere available() is false and nothing is limited.

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    static constexpr bool available() { return true; }

    explicit FileSizeLimit(qint64 max_bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_old_handler = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
        rlimit limit = m_old;
        limit.rlim_cur = static_cast<rlim_t>(max_bytes);
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_old_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_old_handler)(int) = nullptr;
    bool m_active = false;
};
#else
class FileSizeLimit {
public:
    static constexpr bool available() { return false; }
    explicit FileSizeLimit(qint64) {}
    bool active() const { return false; }
};
#endif
