#include "desktop_services.h"

DesktopSystem DesktopServices::desktop_system() const { return DesktopSystem::MacOs; }
