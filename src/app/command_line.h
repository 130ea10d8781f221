#pragma once
// The program's command line: its few options and the path to open, read before any window
// is made.

#include <QString>
#include <QStringList>

enum class CommandAction { Run, Help, Version, Refuse };

struct CommandLineRequest {
    CommandAction action = CommandAction::Run;
    bool desktop = false;     // --desktop: started from the desktop menu
    QString path;             // a folder, tune or album to open; empty: none
    QString refused_argument; // the first argument not understood (action Refuse)
};

// The arguments after the program's name. --help or --version anywhere is answered; any
// other option but --desktop, or a second path, is refused. Read once before the
// application exists (--help and --version need no display), and again on what the
// application leaves once it has taken its own options (-platform xcb, -style=…).
CommandLineRequest parse_command_line(const QStringList& arguments);

// The text of --help, also shown (on standard error) for an argument not understood.
QString usage_text();

// Prints what --help, --version or a refused argument asks for; the process's exit code.
int answer_command_line(const CommandLineRequest& request);
