#pragma once
// Every command line the program composes for the player, the editor and the file manager.
// Each comes as the exact text of the original command line and as program + arguments,
// so it can be started without a shell.

#include <QString>
#include <QStringList>

struct CommandLine {
    QString text;            // the exact command line, e.g. "\"ravu.exe\" \"C:\a.rav\" *P*E"
    QString program;         // the program to start, unquoted
    QStringList arguments;   // a quoted piece is one argument; a run of switch texts is one
    QString working_folder;  // empty: inherit the filer's current folder
};
