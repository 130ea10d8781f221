#include "process_wait.h"

#include <QEventLoop>
#include <QSocketNotifier>

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

void wait_for_process_end(qint64 pid)
{
    // A pidfd becomes readable when the process ends. Called through syscall(): the glibc
    // wrapper's header does not link from C++ on the systems this is built on.
    const int fd = static_cast<int>(syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
    if (fd < 0)
        return; // ESRCH: already ended and gone; anything else: cannot be observed
    pollfd probe{fd, POLLIN, 0};
    if (poll(&probe, 1, 0) == 0) {
        QEventLoop loop;
        QSocketNotifier notifier(fd, QSocketNotifier::Read);
        QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&notifier, &loop] {
            // The pidfd stays readable: without this, a wait nested inside this one would
            // see the notifier fire over and over.
            notifier.setEnabled(false);
            loop.quit();
        });
        loop.exec();
    }
    close(fd);
}
