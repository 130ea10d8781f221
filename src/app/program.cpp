#include "program.h"

#include "desktop_services.h"
#include "main_window.h"
#include "qt_dialogs.h"
#include "shutdown_requests.h"
#include "start_folder.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
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
    QApplication::setApplicationName(QStringLiteral("Ravu Filer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ravufiler.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("ravufiler"));
    install_qt_translations(app);

    QtDialogs qt_dialogs;
    Dialogs& dialogs = qt_dialogs; // defaults of the interface
    DesktopServices system;
    const StartFolders folders = request.desktop ? desktop_start_folders() : terminal_start_folders();
    if (!folders.error.isEmpty())
        dialogs.message(nullptr, folders.error);
    // Programs started from here see the start folder as current, as from a terminal.
    QDir::setCurrent(folders.start_dir);

    // Closing ends every event loop at once, also one that awaits a player.
    MainWindow window(folders.start_dir, dialogs, system, [] { QCoreApplication::exit(0); });
    window.open_lists_at(folders.list_folder);
    window.load();
    // SIGTERM, SIGINT, SIGHUP end the program as closing does; the session's end saves first.
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
    window.show();
    return QApplication::exec();
}
