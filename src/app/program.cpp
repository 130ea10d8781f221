#include "program.h"

#include "desktop_services.h"
#include "file_size_signal.h"
#include "main_window.h"
#include "qt_dialogs.h"
#include "settings.h"
#include "shutdown_requests.h"
#include "start_folder.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

bool install_qt_translations(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    // A packed program brings its own beside it (Windows); otherwise Qt's installed ones.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    if (!translator->load(QStringLiteral("qtbase_ja"), beside)
        && !translator->load(QStringLiteral("qtbase_ja"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int run_program(QApplication& app, const CommandLineRequest& request)
{
    // Before anything is written: a write past the file size limit is then reported.
    ignore_file_size_signal();
    QApplication::setApplicationName(QStringLiteral("Ravu Filer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ravufiler.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("ravufiler"));
    install_qt_translations(app);

    QtDialogs qt_dialogs;
    Dialogs& dialogs = qt_dialogs; // defaults of the interface
    DesktopServices system;
    // A path given relative to the folder the program was started in, before it moves.
    const QString path = request.path.isEmpty()
                             ? QString()
                             : QDir::toNativeSeparators(QDir::current().absoluteFilePath(request.path));
    const StartFolders folders = request.desktop ? desktop_start_folders() : terminal_start_folders();
    if (!folders.error.isEmpty())
        dialogs.message(nullptr, folders.error);
    // Programs started from here see the start folder as current, as from a terminal.
    QDir::setCurrent(folders.start_dir);

    // Closing ends every event loop at once, also one that awaits a player or runs a dialog;
    // no dialog opens after it.
    bool ended = false;
    MainWindow window(folders.start_dir, dialogs, system, [&ended, &qt_dialogs] {
        ended = true;
        qt_dialogs.end_all();
        QCoreApplication::exit(0);
    });
    // SIGTERM, SIGINT, SIGHUP end the program as closing does; the session's end saves first.
    // Taken before the load, whose dialogs (options, a last folder gone) may wait for the user.
    ShutdownRequests shutdown;
    // Ended from outside, where nobody may be there to answer a box: a failed settings write
    // is not told then.
    QObject::connect(&shutdown, &ShutdownRequests::end_requested, &window, [&window] {
        window.state().settings_writes.silence();
        window.close_exe();
    });
    QObject::connect(&shutdown, &ShutdownRequests::session_ending, &window, [&window] {
        window.state().settings_writes.silence();
        window.write_shutdown_settings();
    });
    window.open_lists_at(folders.list_folder);
    window.keep_recent_folders_in(recent_folders_file());
    window.load();
    if (!ended && !path.isEmpty())
        window.open_path(path);
    // Ended during the load or its questions: an event loop started now would not know.
    if (ended)
        return 0;
    window.show();
    // Copies that a killed settings write left behind go once the window shows: looking
    // through the start folder is no start-up work.
    QTimer::singleShot(0, &window, [&window] { remove_left_copies(window.state().ini_path); });
    return QApplication::exec();
}
