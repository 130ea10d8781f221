// A filer for one test: the real main window with the real system services, started in
// FOLDER with the settings file there, ended the way the program ends (QCoreApplication::exit
// from close_exe). It puts the given files of FOLDER into the play list as the user does,
// starts the list play at once and closes its window once the file CLOSE_FILE appears;
// SIGTERM, SIGINT and SIGHUP end it as the program's main() has them.
// Usage: list_play_host CLOSE_FILE FOLDER ENTRY...

#include "desktop_services.h"
#include "dialogs.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "shutdown_requests.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace {

// No box may block this program: each text goes to the standard error output.
class PrintedDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget*, const QString& text, MessageButtons buttons, MessageIcon, const QString&,
                          MessageAnswer) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    std::optional<QString> save_file(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> open_file(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    const QString& close_file = args[1];

    PrintedDialogs dialogs;
    DesktopServices system;
    MainWindow window(args[2], dialogs, system, [] { QCoreApplication::exit(0); });
    window.load();
    window.show();
    MainControls& c = window.controls();
    c.Option1[1]->click();
    for (const QString& entry : args.mid(3)) {
        c.File1->select_index(static_cast<int>(c.File1->names().indexOf(entry)));
        c.Command5->click();
    }
    ShutdownRequests shutdown;
    QObject::connect(&shutdown, &ShutdownRequests::end_requested, &window, &MainWindow::close_exe);

    QFileSystemWatcher watcher({QFileInfo(close_file).absolutePath()});
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &window, [&] {
        if (QFileInfo::exists(close_file))
            window.close();
    });
    QTimer::singleShot(0, &window, [&] { window.controls().Command1->click(); });
    return QApplication::exec();
}
