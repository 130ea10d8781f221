#include "desktop_services.h"

DesktopSystem DesktopServices::desktop_system() const { return DesktopSystem::Windows; }

// The system's own file manager with the folder's command line.
bool DesktopServices::open_folder(const QString& folder)
{
    return DesktopServices::start_task(file_manager_command(folder), WindowStyle::Normal) != nullptr;
}
