// Ravu Filer: browse tune files, preview them, collect them into albums and play them.

#include "desktop_services.h"
#include "main_window.h"
#include "qt_dialogs.h"
#include "shutdown_requests.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravu Filer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ravufiler.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("ravufiler"));

    QtDialogs dialogs;
    DesktopServices system;
    // Closing ends every event loop at once, also one that awaits a player.
    MainWindow window(QDir::toNativeSeparators(QDir::currentPath()), dialogs, system,
                      [] { QCoreApplication::exit(0); });
    window.load();
    // SIGTERM, SIGINT, SIGHUP end the program as closing does; the session's end saves first.
    ShutdownRequests shutdown;
    QObject::connect(&shutdown, &ShutdownRequests::end_requested, &window, &MainWindow::close_exe);
    QObject::connect(&shutdown, &ShutdownRequests::session_ending, &window,
                     &MainWindow::write_shutdown_settings);
    window.show();
    return QApplication::exec();
}
