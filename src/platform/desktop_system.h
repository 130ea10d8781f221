#pragma once
// The desktop system this build runs on, for the choices that differ between systems.

#include "editor_defaults.h"

#include <QtGlobal>

constexpr DesktopSystem this_desktop_system()
{
#if defined(Q_OS_WIN)
    return DesktopSystem::Windows;
#elif defined(Q_OS_MACOS)
    return DesktopSystem::MacOs;
#else
    return DesktopSystem::OtherUnix;
#endif
}
