// macOS and the BSDs: a kqueue with the child's exit registered, readable once it has ended.
// NOTE_EXIT may come a moment before the child is a zombie: the blocking waitpid of reap()
// covers that moment.

#include "child_watch.h"

#include <sys/event.h>
#include <unistd.h>

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
    return std::make_unique<ChildWatch>(pid, kq);
}
