#include "desktop_services.h"

#include "drives.h"
#include "process_start.h"
#include "process_wait.h"
#include "runner_prefix.h"
#include "system_conventions.h"
#include "trash.h"

std::unique_ptr<StartedTask> DesktopServices::start_task(const CommandLine& command, WindowStyle style)
{
    return start_process(command, style);
}

void DesktopServices::wait_task(StartedTask& task) { wait_for_process_end(task); }

bool DesktopServices::move_to_trash(const QString& path, QString* error)
{
    return move_file_to_trash(path, error);
}

bool DesktopServices::open_folder(const QString& folder) { return show_in_file_manager(folder); }

QStringList DesktopServices::drives() { return drive_roots(); }

bool DesktopServices::drive_available(const QString& root) { return ::drive_available(root); }

QString DesktopServices::default_editor() const { return default_editor_path(this_desktop_system()); }

DesktopSystem DesktopServices::desktop_system() const { return this_desktop_system(); }

QString DesktopServices::runner_program(const QString& runner) { return ::runner_program(runner); }

QList<DriveLink> DesktopServices::runner_drives() { return prefix_drives(runner_prefix()); }
