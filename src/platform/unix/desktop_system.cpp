#include "system_conventions.h"

DesktopSystem this_desktop_system() { return DesktopSystem::OtherUnix; }
