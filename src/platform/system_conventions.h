#pragma once
// What differs between the systems beyond the services: which desktop system this is, how
// programs are told apart from other files, and the form of a text file for the user's
// editor. One source file per system answers.

#include "editor_defaults.h"

#include <QByteArray>

// The desktop system this build runs on.
DesktopSystem this_desktop_system();

// True where any file may be a program, told by its permission rather than by ".exe".
bool programs_marked_by_permission();

// A text the program hands to the user's editor (the help text), from UTF-8 with LF line
// ends into the code page and line ends the system's editors expect.
QByteArray native_text_file(const QByteArray& utf8_text);

// Shows the folder in the system's file manager. False when that could not be started.
bool show_in_file_manager(const QString& folder);
