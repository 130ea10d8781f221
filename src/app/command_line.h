#pragma once
// The program's few command-line options, read before any window system is touched.

#include <QString>
#include <QStringList>

enum class CommandAction { Run, Help, Version, Refuse };

struct CommandLineRequest {
    CommandAction action = CommandAction::Run;
    bool desktop = false;     // --desktop: started from the desktop menu
    QString refused_argument; // the first argument not understood (action Refuse)
};

// The arguments after the program's name. Qt's own options (-platform xcb, -style=…,
// -session …) are left for the application object to take.
CommandLineRequest parse_command_line(const QStringList& arguments);

// The text of --help, also shown (on standard error) for an argument not understood.
QString usage_text();
// "Ravu Filer 2.00".
QString version_text();

// Prints what --help, --version or a refused argument asks for; the process's exit code.
int answer_command_line(const CommandLineRequest& request);
