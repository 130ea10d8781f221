// macOS and the BSDs: a kqueue with the child's exit registered, readable once it has ended.

#include "child_watch.h"

#include <cerrno>
#include <sys/event.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class KqueueChildWatch final : public ChildWatch {
public:
    KqueueChildWatch(pid_t pid, int kq) : m_pid(pid), m_kq(kq) {}
    ~KqueueChildWatch() override { close(m_kq); }
    KqueueChildWatch(const KqueueChildWatch&) = delete;
    KqueueChildWatch& operator=(const KqueueChildWatch&) = delete;

    int descriptor() const override { return m_kq; }
    void reap() override
    {
        // NOTE_EXIT may come a moment before the child is a zombie: a blocking waitpid
        // covers that moment.
        int status = 0;
        while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }

private:
    pid_t m_pid;
    int m_kq;
};

} // namespace

std::unique_ptr<ChildWatch> watch_child(pid_t pid)
{
    const int kq = kqueue();
    if (kq < 0)
        return watch_child_in_thread(pid);
    struct kevent change {};
    EV_SET(&change, static_cast<uintptr_t>(pid), EVFILT_PROC, EV_ADD | EV_ONESHOT, NOTE_EXIT, 0, nullptr);
    if (kevent(kq, &change, 1, nullptr, 0, nullptr) != 0) {
        // A child that has already ended may not be registered (ESRCH): the thread's waitpid
        // returns at once for it.
        close(kq);
        return watch_child_in_thread(pid);
    }
    return std::make_unique<KqueueChildWatch>(pid, kq);
}
