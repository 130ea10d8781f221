#include "process_wait.h"

#include <QEventLoop>
#include <QWinEventNotifier>

#include <windows.h>

void wait_for_process_end(qint64 pid)
{
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return; // already ended and gone, or access refused
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        QEventLoop loop;
        QWinEventNotifier notifier(process);
        QObject::connect(&notifier, &QWinEventNotifier::activated, &loop, [&notifier, &loop] {
            // A signalled process handle stays signalled; a nested wait must not see it again.
            notifier.setEnabled(false);
            loop.quit();
        });
        loop.exec();
    }
    CloseHandle(process);
}
