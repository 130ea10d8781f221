#include "process_start.h"

#include <QDir>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A relative path with a folder in it names a program below the filer's current folder,
// also when the program is started in another folder.
QString program_to_start(const QString& program)
{
    if (QDir::fromNativeSeparators(program).contains(QLatin1Char('/')) && QDir::isRelativePath(program))
        return QDir::current().absoluteFilePath(program);
    return program;
}

} // namespace

std::optional<qint64> start_detached(const CommandLine& command, WindowStyle style)
{
    if (command.program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProgram(program_to_start(command.program));
#ifdef Q_OS_WIN
    // The exact text of the command line, and the window shown without taking the focus.
    process.setNativeArguments(command.native_arguments);
    process.setCreateProcessArgumentsModifier([style](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow =
            style == WindowStyle::NoActivate ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL;
    });
#else
    Q_UNUSED(style); // no window system setting to pass on
    process.setArguments(command.arguments);
#endif
    if (!command.working_folder.isEmpty())
        process.setWorkingDirectory(command.working_folder);
    // Detached: a process that ~QProcess would otherwise kill when the filer ends.
    qint64 pid = 0;
    if (!process.startDetached(&pid) || pid <= 0)
        return std::nullopt;
    return pid;
}
