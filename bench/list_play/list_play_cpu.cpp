// The filer's own processor time during a list play: one player run of a few seconds,
// started from the launch button of the real main window with the real system services.
// Prints the filer's user + system time (from the operating system's accounting) divided
// by the wall time of the play. A wait that polls would come out near 1.0.
// Usage: bench_list_play_cpu [PLAYER [SECONDS]]   (default: the tests' fake player, 5 s)

#include "app_state.h"
#include "desktop_services.h"
#include "dialogs.h"
#include "main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace {

class PrintedDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget*, const QString& text, MessageButtons, MessageIcon, const QString&,
                          MessageAnswer) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return MessageAnswer::Ok;
    }
    std::optional<QString> save_file(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> open_file(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
};

#ifdef Q_OS_WIN
double cpu_seconds()
{
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    const auto seconds = [](const FILETIME& t) {
        return double((quint64(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7; // 100 ns units
    };
    return seconds(kernel) + seconds(user);
}
#else
double cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString player;
#ifdef FAKE_PLAYER_PATH
    player = QStringLiteral(FAKE_PLAYER_PATH);
#endif
    if (argc > 1)
        player = QString::fromLocal8Bit(argv[1]);
    const int seconds = argc > 2 ? QByteArray(argv[2]).toInt() : 5;
    if (player.isEmpty() || seconds <= 0) {
        std::fprintf(stderr, "usage: %s [PLAYER [SECONDS]]\n", argv[0]);
        return 2;
    }
    qputenv("FAKE_PLAYER_DELAY_MS", QByteArray::number(seconds * 1000));

    QTemporaryDir dir;
    PrintedDialogs dialogs;
    DesktopServices system;
    MainWindow window(dir.path(), dialogs, system, [] { QCoreApplication::exit(0); });
    AppState& s = window.state();
    s.player_path = player;
    s.select_mode = QStringLiteral("lselect");
    s.play_list.list_entries[0] = QStringLiteral("bench.rav");
    s.play_list.list_count = 1;
    window.show();

    double cpu = 0;
    qint64 wall_ms = 0;
    QTimer::singleShot(0, &window, [&] {
        QElapsedTimer wall;
        const double cpu_before = cpu_seconds();
        wall.start();
        window.controls().Command1->click(); // returns when the run has ended
        wall_ms = wall.elapsed();
        cpu = cpu_seconds() - cpu_before;
        QCoreApplication::exit(0);
    });
    QApplication::exec();

    const double wall_s = wall_ms / 1000.0;
    std::printf("list play of one %d s run: wall %.3f s, filer cpu (user+sys) %.4f s, cpu/wall %.5f (target "
                "<= 0.01)\n",
                seconds, wall_s, cpu, wall_s > 0 ? cpu / wall_s : 0.0);
    return wall_ms >= seconds * 1000 ? 0 : 1; // a run that did not last means no real wait
}
