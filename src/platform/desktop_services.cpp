#include "desktop_services.h"

#include "process_start.h"
#include "process_wait.h"
#include "trash.h"

#include <QDesktopServices>
#include <QUrl>

std::optional<qint64> DesktopServices::start_task(const CommandLine& command, WindowStyle style)
{
    return start_detached(command, style);
}

void DesktopServices::wait_task(qint64 task_id) { wait_for_process_end(task_id); }

bool DesktopServices::move_to_trash(const QString& path, QString* error)
{
    return move_file_to_trash(path, error);
}

bool DesktopServices::open_folder(const QString& folder)
{
#ifdef Q_OS_WIN
    // The system's own file manager with the folder's command line.
    return start_detached(file_manager_command(folder), WindowStyle::Normal).has_value();
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
#endif
}
