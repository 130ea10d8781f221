// Starts the filer exactly as the program does, then quits as soon as the main window is
// shown and the event loop has nothing left to do: the measured span of a start.

#include "desktop_services.h"
#include "main_window.h"
#include "qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtDialogs dialogs;
    DesktopServices system;
    MainWindow window(QDir::toNativeSeparators(QDir::currentPath()), dialogs, system, [] {});
    window.load();
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
