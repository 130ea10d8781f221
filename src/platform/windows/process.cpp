// Windows: CreateProcessW with the exact command line, and the process handle it returns kept
// until the task is dropped.

#include "desktop_services.h"

#include <QDir>
#include <QEventLoop>
#include <QWinEventNotifier>

#include <windows.h>

#include <string>

namespace {

class WindowsProcess final : public StartedTask {
public:
    WindowsProcess(qint64 task_id, HANDLE process) : StartedTask(task_id), m_process(process) {}
    ~WindowsProcess() override { CloseHandle(m_process); }

    void wait()
    {
        if (WaitForSingleObject(m_process, 0) != WAIT_TIMEOUT)
            return; // ended, or not to be observed
        QEventLoop loop;
        QWinEventNotifier notifier(m_process);
        QObject::connect(&notifier, &QWinEventNotifier::activated, &loop, [&notifier, &loop] {
            // A signalled process handle stays signalled; a nested wait must not see it again.
            notifier.setEnabled(false);
            loop.quit();
        });
        loop.exec();
    }

private:
    HANDLE m_process;
};

} // namespace

std::unique_ptr<StartedTask> DesktopServices::start_task(const CommandLine& command, WindowStyle style)
{
    if (command.program.isEmpty())
        return nullptr;
    // The text itself, quotes and separators as written; the program is found by the system's
    // own rules. CreateProcessW may write into the line, so it gets a copy of its own.
    std::wstring line = command.text.toStdWString();
    const std::wstring folder = QDir::toNativeSeparators(command.working_folder).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = style == WindowStyle::NoActivate ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    // No creation flags: a console program gets a console window of its own (never
    // CREATE_NO_WINDOW, which would hide a console player or editor).
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return nullptr;
    CloseHandle(started.hThread);
    return std::make_unique<WindowsProcess>(started.dwProcessId, started.hProcess);
}

void DesktopServices::wait_task(StartedTask& task)
{
    if (auto* process = dynamic_cast<WindowsProcess*>(&task))
        process->wait();
}
