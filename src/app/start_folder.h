#pragma once
// Where the program keeps its own files and where its lists open.

#include <QString>

struct StartFolders {
    QString start_dir;   // the settings, definition, trial and help files live here
    QString list_folder; // the lists open here when no last folder is stored
    QString error;       // why the desktop folder could not be made; empty when it was
};

// The folders the lists showed last, kept between runs (in the state folder, apart from the
// settings file that other programs share).
QString recent_folders_file();

// From a terminal: the current folder for both.
StartFolders terminal_start_folders();

// From the desktop menu: $XDG_CONFIG_HOME/ravufiler (~/.config/ravufiler when unset), made
// when missing, with the lists at the home folder. When it cannot be made, the terminal's
// folders and an error message in the program's words.
StartFolders desktop_start_folders();
