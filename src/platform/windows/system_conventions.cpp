#include "system_conventions.h"

#include "command_lines.h"
#include "process_start.h"

DesktopSystem this_desktop_system() { return DesktopSystem::Windows; }

// The system's own file manager with the folder's command line.
bool show_in_file_manager(const QString& folder)
{
    return start_process(file_manager_command(folder), WindowStyle::Normal) != nullptr;
}
