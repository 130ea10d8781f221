// Ravu Filer: browse tune files, preview them, collect them into albums and play them.

#include "command_line.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Answered before the application exists, so they need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineRequest request = parse_command_line(arguments);
    if (request.action != CommandAction::Run)
        return answer_command_line(request);

    QApplication app(argc, argv);
    return run_program(app, request);
}
