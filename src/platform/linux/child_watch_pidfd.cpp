// Linux: a pidfd, readable once the child has ended.

#include "child_watch.h"

#include <sys/syscall.h>
#include <unistd.h>

std::unique_ptr<ChildWatch> watch_child(pid_t pid)
{
#ifdef SYS_pidfd_open
    // Through syscall(): the glibc wrapper's header does not link from C++ on the systems this
    // is built on. A pidfd is close-on-exec by itself.
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0)
        return std::make_unique<ChildWatch>(pid, pidfd);
#endif
    return watch_child_in_thread(pid); // a kernel before 5.3
}
