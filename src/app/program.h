#pragma once
// The program's run once its command line has been read: the application, the main window.

#include "command_line.h"

class QApplication;
class QCoreApplication;

// Qt's own texts (the buttons and labels of its standard dialogs) in Japanese, like the
// program's. False when Qt's Japanese translation is not installed.
bool install_qt_translations(QCoreApplication& app);

// Shows the main window and runs until the program ends; the exit code.
int run_program(QApplication& app, const CommandLineRequest& request);
