// The yardstick on a real X server: the main window's own controls, built by the program's
// layout code at their places, with no behaviour (no settings, lists, watches or units).
// Stays until it is ended; startup_xcb_bench ends it once the window is mapped.

#include "main_controls.h"
#include "main_window_layout.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ravu Filer"));
    MainControls controls;
    build_main_controls(window, controls);
    window.show();
    return QApplication::exec();
}
