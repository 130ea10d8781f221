#pragma once
// Makes every file write beyond a few bytes fail for as long as it lives, the way a full
// disk would; works for root, which folder permissions do not stop.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t max_bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_old_handler = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
        rlimit limit = m_old;
        limit.rlim_cur = max_bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_old_handler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_old_handler)(int) = nullptr;
    bool m_active = false;
};
