#include "desktop_services.h"

#include "process_start.h"
#include "process_wait.h"
#include "trash.h"

#include <QDesktopServices>
#include <QUrl>

std::unique_ptr<StartedTask> DesktopServices::start_task(const CommandLine& command, WindowStyle style)
{
    return start_process(command, style);
}

void DesktopServices::wait_task(StartedTask& task) { wait_for_process_end(task); }

bool DesktopServices::move_to_trash(const QString& path, QString* error)
{
    return move_file_to_trash(path, error);
}

bool DesktopServices::open_folder(const QString& folder)
{
#ifdef Q_OS_WIN
    // The system's own file manager with the folder's command line.
    return start_process(file_manager_command(folder), WindowStyle::Normal) != nullptr;
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
#endif
}
