#pragma once
// Which desktop system this build runs on, and its file manager. One source file per system
// answers; the rules that follow from the system are in core (editor_defaults.h).

#include "editor_defaults.h"

#include <QString>

// The desktop system this build runs on.
DesktopSystem this_desktop_system();

// Shows the folder in the system's file manager. False when that could not be started.
bool show_in_file_manager(const QString& folder);
