// A filer for one test: the real main window with the real system services, ended the way
// the program ends (QCoreApplication::exit from close_exe). It starts a list play of the
// given entries at once and closes its window when a line arrives on its standard input.
// Usage: list_play_host PLAYER FOLDER ENTRY...

#include "app_state.h"
#include "desktop_services.h"
#include "dialogs.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_window.h"

#include <QApplication>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// No box may block this program: each text goes to the standard error output.
class PrintedDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget*, const QString& text, MessageButtons buttons, MessageIcon,
                          const QString&, MessageAnswer) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    std::optional<QString> save_file(QWidget*, const SaveDialogRequest&) override { return std::nullopt; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;

    PrintedDialogs dialogs;
    DesktopServices system;
    MainWindow window(args[2], dialogs, system, [] { QCoreApplication::exit(0); });
    AppState& s = window.state();
    s.player_path = args[1];
    s.select_mode = QStringLiteral("lselect");
    for (int i = 3; i < args.size() && i - 3 < kListCapacity; ++i)
        s.play_list.list_entries[i - 3] = args[i];
    s.play_list.list_count = static_cast<std::int16_t>(args.size() - 3);
    window.show();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        input.setEnabled(false);
        window.close();
    });
    QTimer::singleShot(0, &window, [&] { window.controls().Command1->click(); });
    return QApplication::exec();
}
