// A filer for one test: the real main window with the real system services, ended the way
// the program ends (QCoreApplication::exit from close_exe), its settings file in FOLDER. It
// starts a list play of the given entries at once and closes its window once the file
// CLOSE_FILE appears; SIGTERM, SIGINT and SIGHUP end it as the program's main() has them.
// Usage: list_play_host CLOSE_FILE PLAYER FOLDER ENTRY...

#include "app_state.h"
#include "desktop_services.h"
#include "dialogs.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_window.h"
#include "paths.h"
#include "shutdown_requests.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPushButton>
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
    if (args.size() < 5)
        return 2;
    const QString close_file = args[1];

    PrintedDialogs dialogs;
    DesktopServices system;
    MainWindow window(args[3], dialogs, system, [] { QCoreApplication::exit(0); });
    AppState& s = window.state();
    s.ini_path = own_file_path(args[3], QStringLiteral("ravfiler.ini"));
    s.player_path = args[2];
    s.select_mode = QStringLiteral("lselect");
    for (int i = 4; i < args.size() && i - 4 < kListCapacity; ++i)
        s.play_list.list_entries[i - 4] = args[i];
    s.play_list.list_count = static_cast<std::int16_t>(args.size() - 4);
    window.show();
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
