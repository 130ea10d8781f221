#include "process_wait.h"

#include <QEventLoop>
#include <QSocketNotifier>

#include <sys/event.h>
#include <unistd.h>

void wait_for_process_end(qint64 pid)
{
    // A kqueue watching for the process's exit becomes readable when it ends.
    const int kq = kqueue();
    if (kq < 0)
        return;
    struct kevent change;
    EV_SET(&change, static_cast<uintptr_t>(pid), EVFILT_PROC, EV_ADD | EV_ONESHOT, NOTE_EXIT, 0, nullptr);
    if (kevent(kq, &change, 1, nullptr, 0, nullptr) == 0) {
        struct kevent seen;
        const timespec no_wait{0, 0};
        if (kevent(kq, nullptr, 0, &seen, 1, &no_wait) == 0) {
            QEventLoop loop;
            QSocketNotifier notifier(kq, QSocketNotifier::Read);
            QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&notifier, &loop] {
                notifier.setEnabled(false);
                loop.quit();
            });
            loop.exec();
        }
    } // else ESRCH: already ended
    close(kq);
}
