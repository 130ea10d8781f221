// The real program for one test (run_program, as main() runs it, in the current folder),
// which opens one of its modal windows as the user would and then waits for whatever ends
// it. It writes "modal <class>" on its standard output once a modal window is up.
// Usage: modal_host WINDOW, WINDOW one of: message, question, save, rename, options, none
// (none: only what the start opens by itself).

#include "file_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "program.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace {

MainWindow* main_window()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<MainWindow*>(w))
            return window;
    return nullptr;
}

void select_first_file(MainControls& c) { c.File1->select_index(0); }

// What the user does to open the window.
void open_window(const QString& which)
{
    MainWindow* window = main_window();
    if (!window)
        return;
    MainControls& c = window->controls();
    if (which == QStringLiteral("message")) {
        c.Command9->click(); // delete without a file: told to select one
    } else if (which == QStringLiteral("question")) {
        select_first_file(c);
        c.Command9->click();
    } else if (which == QStringLiteral("save")) {
        c.Option1[1]->click();
        select_first_file(c);
        c.Command5->click();
        c.Command4->click();
    } else if (which == QStringLiteral("rename")) {
        select_first_file(c);
        c.Command8->click();
    } else if (which == QStringLiteral("options")) {
        window->open_options();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&watch] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        std::printf("modal %s\n", modal->metaObject()->className());
        std::fflush(stdout);
        watch.stop();
    });
    watch.start();
    QTimer::singleShot(0, [which] { open_window(which); });
    return run_program(app, CommandLineRequest{});
}
