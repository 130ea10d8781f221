#include "desktop_services.h"

// Placeholder until program start and wait land.
std::optional<qint64> DesktopServices::start_task(const CommandLine&, WindowStyle)
{
    return std::nullopt;
}

void DesktopServices::wait_task(qint64) {}

bool DesktopServices::move_to_trash(const QString&, QString*)
{
    return false;
}

bool DesktopServices::open_folder(const QString&)
{
    return false;
}
