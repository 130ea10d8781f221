// Linux: a pidfd, readable once the child has ended.

#include "child_watch.h"

#include <cerrno>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class PidfdChildWatch final : public ChildWatch {
public:
    PidfdChildWatch(pid_t pid, int pidfd) : m_pid(pid), m_pidfd(pidfd) {}
    ~PidfdChildWatch() override { close(m_pidfd); }
    PidfdChildWatch(const PidfdChildWatch&) = delete;
    PidfdChildWatch& operator=(const PidfdChildWatch&) = delete;

    int descriptor() const override { return m_pidfd; }
    void reap() override
    {
        int status = 0;
        while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }

private:
    pid_t m_pid;
    int m_pidfd;
};

} // namespace

std::unique_ptr<ChildWatch> watch_child(pid_t pid)
{
#ifdef SYS_pidfd_open
    // Through syscall(): the glibc wrapper's header does not link from C++ on the systems this
    // is built on. A pidfd is close-on-exec by itself.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0)
        return std::make_unique<PidfdChildWatch>(pid, pidfd);
#endif
    return watch_child_in_thread(pid); // a kernel before 5.3
}
