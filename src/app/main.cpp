// Ravu Filer: browse tune files, preview them, collect them into albums and play them.

#include "command_line.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // --help and --version are answered before the application exists, so they need no
    // display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLineRequest request = parse_command_line(arguments);
    if (request.action == CommandAction::Help || request.action == CommandAction::Version)
        return answer_command_line(request);

    // Qt takes its own options out of the arguments; what it leaves is the program's.
    QApplication app(argc, argv);
    arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    request = parse_command_line(arguments);
    if (request.action != CommandAction::Run)
        return answer_command_line(request);
    return run_program(app, request);
}
