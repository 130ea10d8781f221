// Starting the player: one tune from the launch button, the play list run by run with the
// real fake player, the wait between runs, and a filer that ends during a list play.

#include "desktop_services.h"
#include "fake_player_log.h"
#include "file_list.h"
#include "folder_list.h"
#include "paths.h"
#include "settings.h"
#include "started_window.h"
#include "test_files.h"
#include "when_ready.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

namespace {

const QString kStartFailed = QStringLiteral("Ravu起動に失敗しました。\rパスを確認してください。");
const QString kFakePlayer = QStringLiteral(FAKE_PLAYER_PATH);

QString canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

// What the player receives from the single-tune form "player" "tune"*P*E. Windows hands it the
// text, and its own splitting joins a quoted piece and the text right after it into one
// argument; elsewhere the tune and the switches arrive as two arguments.
QStringList single_tune_arguments(const QString& tune, const QString& switches)
{
#ifdef Q_OS_WIN
    return {tune + switches};
#else
    return switches.isEmpty() ? QStringList{tune} : QStringList{tune, switches};
#endif
}

// Blanks, Japanese, a leading dash, and double quotes where a file name may hold them.
QString awkward_tune_name()
{
#ifdef Q_OS_WIN
    return QStringLiteral("-曲 名 b.rav");
#else
    return QStringLiteral("-曲 \"名\" b.rav");
#endif
}

// The stored player is the fake player; its starts are real, or recorded.
StartOptions fake_player_options(bool record = false)
{
    return {.settings = settings_naming(kFakePlayer, QStringLiteral("editor")), .real_system = !record};
}

// A started window whose players log into its folder.
struct Filer : StartedWindow {
    QString log = path(QStringLiteral("player.log"));
    QString release_file = path(QStringLiteral("release"));

    explicit Filer(const StartOptions& options = fake_player_options()) : StartedWindow(options)
    {
        qputenv("FAKE_PLAYER_LOG", log.toLocal8Bit());
    }
    ~Filer() { release(); }

    QList<FakePlayerRun> runs() const { return read_fake_player_log(log); }

    // Players started from now on run until release().
    void hold() { qputenv("FAKE_PLAYER_HOLD_FILE", release_file.toLocal8Bit()); }
    void release() { QFile(release_file).open(QIODevice::WriteOnly); }

    // The names made as files of the start folder and put into the play list as the user
    // does: "lselect" mode, a click on each name in File1 and on "リスト選択".
    void set_list(const QStringList& names)
    {
        for (const QString& name : names)
            write_file(name, QByteArray());
        click_option(1);
        add_files(names);
        QCOMPARE(entries(), names);
    }
    QString in_folder(const QString& name) const { return join_folder_file(start_dir, name); }
};

// The fake player's window started with a player of the test's choosing: a path in its
// folder, or the folder itself when the name is empty.
struct FilerWithPlayer : Filer {
    explicit FilerWithPlayer(const QString& player) : Filer(unloaded())
    {
        write_file(
            QStringLiteral("ravfiler.ini"),
            settings_naming(player.isEmpty() ? start_dir : in_folder(player), QStringLiteral("editor")));
        load();
    }
    static StartOptions unloaded()
    {
        StartOptions options = fake_player_options();
        options.load = false;
        return options;
    }
};

bool started(const Filer& f, int count) { return f.runs().size() >= count; }

} // namespace

class TestPlayer : public QObject {
    Q_OBJECT
private slots:
    void init();

    void arguments_reach_player_unchanged_data();
    void arguments_reach_player_unchanged();
    void wait_returns_for_an_ended_player();

    void single_tune_starts_without_waiting();
    void single_tune_refusals();

    void list_plays_entries_in_order();
    void list_entry_at_a_drive_root();
    void list_with_missing_player_data();
    void list_with_missing_player();
    void full_list_plays_every_entry();
    void list_answers_clicks_and_keeps_added_entries();
    void second_list_play_inside_the_first();
    void filer_exit_leaves_player_running();
    void signal_during_list_play_ends_like_closing_data();
    void signal_during_list_play_ends_like_closing();

    void exit_switch_cleared_stays_in_settings();
};

void TestPlayer::init()
{
    for (const char* name :
         {"FAKE_PLAYER_LOG", "FAKE_PLAYER_DELAY_MS", "FAKE_PLAYER_HOLD_FILE", "FAKE_PLAYER_EXIT_CODE"})
        qunsetenv(name);
}

void TestPlayer::arguments_reach_player_unchanged_data()
{
    QTest::addColumn<QString>("tune");
    QTest::addColumn<QString>("switches");
    QTest::newRow("blanks, Japanese, quotes, leading dash") << awkward_tune_name() << QString();
#ifdef Q_OS_WIN
    QTest::newRow("absolute with switches")
        << QStringLiteral("C:\\my tunes\\-a b.rav") << QStringLiteral("*P*E");
#else
    QTest::newRow("absolute with switches")
        << QStringLiteral("/tmp/my tunes/-a \"b\".rav") << QStringLiteral("*P*E");
#endif
    QTest::newRow("shell characters") << QStringLiteral("$(x) `y` ; & | * ~ 'z'.rav") << QStringLiteral("*I");
}

void TestPlayer::arguments_reach_player_unchanged()
{
    QFETCH(QString, tune);
    QFETCH(QString, switches);
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("player.log"));
    qputenv("FAKE_PLAYER_LOG", log.toLocal8Bit());
    DesktopServices system;

    const CommandLine command = single_file_command(kFakePlayer, tune, switches, dir.path());
    const auto task = system.start_task(command, WindowStyle::Normal);
    QVERIFY(task);
    system.wait_task(*task);

    const QList<FakePlayerRun> runs = read_fake_player_log(log);
    QCOMPARE(runs.size(), 1);
    QVERIFY(runs[0].ended()); // the wait lasted until the end
    QCOMPARE(runs[0].pid, task->task_id());
    QCOMPARE(runs[0].args, single_tune_arguments(tune, switches));
#ifdef Q_OS_WIN
    QCOMPARE(runs[0].command_line, command.text); // the exact text, nothing rewritten
#endif
    QCOMPARE(canonical(runs[0].cwd), canonical(dir.path()));
}

void TestPlayer::wait_returns_for_an_ended_player()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("player.log"));
    qputenv("FAKE_PLAYER_LOG", log.toLocal8Bit());
    DesktopServices system;
    const auto task = system.start_task(trial_command(kFakePlayer, dir.filePath(QStringLiteral("t.rav"))),
                                        WindowStyle::NoActivate);
    QVERIFY(task);
    QTRY_VERIFY(!read_fake_player_log(log).isEmpty() && read_fake_player_log(log)[0].ended());
    // However long ago it ended, the wait returns (a test that hangs here fails by timeout).
    system.wait_task(*task);
    system.wait_task(*task);
}

void TestPlayer::single_tune_starts_without_waiting()
{
    Filer f;
    f.hold();
    const QString tune = f.write_file(awkward_tune_name(), "cde\r\n");
    f.click_file(awkward_tune_name());
    QCOMPARE(f.state().target_file, tune);
    f.controls().Check1->click();
    f.controls().Check2->click();
    QCOMPARE(f.state().select_mode, QStringLiteral("simple"));

    f.controls().Command1->click();
    // The click has returned while the player still plays: it was not awaited.
    QTRY_COMPARE(f.runs().size(), 1);
    const FakePlayerRun run = f.runs()[0];
    QVERIFY(!run.ended());
    QCOMPARE(run.args, single_tune_arguments(tune, QStringLiteral("*P*E")));
    QCOMPARE(canonical(run.cwd), canonical(f.controls().Dir1->path()));
    QVERIFY(f.dialogs.messages.isEmpty());

    f.release();
    QTRY_VERIFY(f.runs()[0].ended());
}

void TestPlayer::single_tune_refusals()
{
    Filer f;
    f.controls().Command1->click();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("ファイルを選択してください")});

    // A player that cannot be started is reported, not silently ignored.
    FilerWithPlayer missing(QStringLiteral("no-such-player"));
    missing.write_file(QStringLiteral("a.rav"), "cde\r\n");
    missing.click_file(QStringLiteral("a.rav"));
    missing.controls().Command1->click();
    QCOMPARE(missing.dialogs.texts(), QStringList{kStartFailed});
    QCOMPARE(missing.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(missing.dialogs.messages[0].icon, MessageIcon::None);
    QVERIFY(missing.dialogs.messages[0].title.isEmpty());
    QVERIFY(missing.runs().isEmpty());
}

void TestPlayer::list_plays_entries_in_order()
{
    Filer f;
    qputenv("FAKE_PLAYER_DELAY_MS", "50");
    f.set_list({QStringLiteral("a.rav"), QStringLiteral("b b.rav"), QStringLiteral("曲.txt")});
    f.controls().Check3->click(); // only the exit switch joins the fixed *P*E
    const QString selected = f.write_file(QStringLiteral("selected.rav"), QByteArray());
    f.click_file(QStringLiteral("selected.rav"));
    QCOMPARE(f.state().target_file, selected);

    f.controls().Command1->click(); // returns once the last run has ended

    const QList<FakePlayerRun> runs = f.runs();
    QCOMPARE(played_tunes(runs),
             (QStringList{f.in_folder(QStringLiteral("a.rav")), f.in_folder(QStringLiteral("b b.rav")),
                          f.in_folder(QStringLiteral("曲.txt"))}));
    for (int i = 0; i < runs.size(); ++i) {
        QVERIFY(runs[i].ended());
        QCOMPARE(runs[i].args.value(1), QStringLiteral("*P*E*X"));
        QCOMPARE(runs[i].args.size(), 2);
        QCOMPARE(canonical(runs[i].cwd), canonical(QDir::currentPath()));
        if (i > 0)
            QVERIFY2(runs[i].start_ns >= runs[i - 1].end_ns, "a run started before the previous one ended");
    }
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.state().target_file, selected);
    QCOMPARE(f.controls().Label3->text(), kTargetPrefix + selected);
    QCOMPARE(f.controls().panels[0]->text(), kTargetPrefix + selected);
    QCOMPARE(f.state().play_list.list_count, 3);
}

void TestPlayer::list_entry_at_a_drive_root()
{
    Filer f;
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    f.set_list({QStringLiteral("a.rav")});
    f.controls().File1->set_path(root);
    f.controls().Command1->click();
    QCOMPARE(played_tunes(f.runs()), QStringList{root + QStringLiteral("a.rav")});
}

void TestPlayer::list_with_missing_player_data()
{
    QTest::addColumn<QString>("player"); // in the test's folder; empty: the folder itself
    QTest::newRow("no such file") << QStringLiteral("no-such-player");
    QTest::newRow("not a program") << QStringLiteral("notes.txt");
    QTest::newRow("a folder") << QString();
}

void TestPlayer::list_with_missing_player()
{
    QFETCH(QString, player);
    FilerWithPlayer f(player);
    f.write_file(QStringLiteral("notes.txt"), QByteArray());
    f.set_list({QStringLiteral("a.rav"), QStringLiteral("b.rav"), QStringLiteral("c.rav")});
    f.controls().Command1->click();
    QCOMPARE(f.dialogs.texts(), QStringList{kStartFailed});
    QVERIFY(f.runs().isEmpty());

    // The first failure ends the walk: no later entry is tried.
    Filer recorded(fake_player_options(true));
    recorded.system.fail_starts = true;
    recorded.set_list({QStringLiteral("a.rav"), QStringLiteral("b.rav"), QStringLiteral("c.rav")});
    recorded.controls().Command1->click();
    QCOMPARE(recorded.system.starts.size(), 1);
    QVERIFY(recorded.system.waits.isEmpty());
    QCOMPARE(recorded.dialogs.texts(), QStringList{kStartFailed});
}

void TestPlayer::full_list_plays_every_entry()
{
    Filer f(fake_player_options(true));
    QStringList names;
    for (int i = 0; i < kListCapacity; ++i)
        names << QStringLiteral("t%1.rav").arg(i);
    f.set_list(names);
    f.controls().Command1->click();
    QCOMPARE(f.system.starts.size(), kListCapacity);
    QCOMPARE(f.system.waits.size(), kListCapacity); // each run awaited
    QCOMPARE(f.system.starts.last().command.arguments.value(0), f.in_folder(QStringLiteral("t63.rav")));
    QCOMPARE(f.system.starts.last().style, WindowStyle::NoActivate);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestPlayer::list_answers_clicks_and_keeps_added_entries()
{
    Filer f;
    f.write_file(QStringLiteral("c.rav"), QByteArray());
    f.hold();
    f.set_list({QStringLiteral("a.rav"), QStringLiteral("b.rav")});
    QObject scope;
    bool clicked_while_playing = false;
    when(
        &scope, [&] { return started(f, 1); },
        [&] {
            // The first run is still going: a click and an addition are handled meanwhile.
            f.controls().Check4->click();
            clicked_while_playing = f.state().icon_switch == QStringLiteral("*I") && !f.runs()[0].ended();
            f.add_files({QStringLiteral("c.rav")});
            f.release();
        });

    f.controls().Command1->click();

    QVERIFY(clicked_while_playing);
    const QList<FakePlayerRun> runs = f.runs();
    // The added entry is played after the others, and replaced none of them.
    QCOMPARE(played_tunes(runs),
             (QStringList{f.in_folder(QStringLiteral("a.rav")), f.in_folder(QStringLiteral("b.rav")),
                          f.in_folder(QStringLiteral("c.rav"))}));
    QCOMPARE(runs[0].args.value(1), QStringLiteral("*P*E"));
    QCOMPARE(runs[1].args.value(1), QStringLiteral("*P*E*I")); // read afresh for each entry
    QCOMPARE(f.state().play_list.list_entries[0], QStringLiteral("a.rav"));
    QCOMPARE(f.state().play_list.list_entries[2], QStringLiteral("c.rav"));
    QCOMPARE(f.state().play_list.list_count, 3);
}

void TestPlayer::second_list_play_inside_the_first()
{
    Filer f;
    f.hold();
    f.set_list({QStringLiteral("a.rav"), QStringLiteral("b.rav"), QStringLiteral("c.rav")});
    QObject scope;
    // A second click while the first run plays starts the list again from the top once
    // that run has ended; the click itself returns at once.
    when(
        &scope, [&] { return started(f, 1); },
        [&] {
            f.controls().Command1->click();
            f.release();
        });

    f.controls().Command1->click();

    const QString a = f.in_folder(QStringLiteral("a.rav"));
    const QString b = f.in_folder(QStringLiteral("b.rav"));
    const QString c = f.in_folder(QStringLiteral("c.rav"));
    const QList<FakePlayerRun> runs = f.runs();
    QCOMPARE(played_tunes(runs), (QStringList{a, a, b, c}));
    for (const FakePlayerRun& run : runs)
        QVERIFY(run.ended());
    for (qsizetype i = 1; i < runs.size(); ++i)
        QVERIFY2(runs[i].start_ns >= runs[i - 1].end_ns, "a run started before the previous one ended");
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.state().play_list.list_count, 3);
    QCOMPARE(f.state().play_list.list_entries[3], QString());
}

// A filer process in a folder of its own, playing the entries a.rav and b.rav with players
// that hold until released.
struct HostRun {
    QTemporaryDir dir;
    QString log = dir.filePath(QStringLiteral("player.log"));
    QString release = dir.filePath(QStringLiteral("release"));
    QString close = dir.filePath(QStringLiteral("close"));
    QProcess host;

    HostRun()
    {
        write_file(dir.filePath(QStringLiteral("ravfiler.ini")),
                   settings_naming(kFakePlayer, QStringLiteral("editor")));
        for (const char* name : {"a.rav", "b.rav"})
            write_file(dir.filePath(QString::fromLatin1(name)), QByteArray());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FAKE_PLAYER_LOG"), log);
        env.insert(QStringLiteral("FAKE_PLAYER_HOLD_FILE"), release);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        host.setProcessEnvironment(env);
        host.setStandardOutputFile(QProcess::nullDevice());
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host.start(QStringLiteral(LIST_PLAY_HOST_PATH),
                   {close, dir.path(), QStringLiteral("a.rav"), QStringLiteral("b.rav")});
    }
    ~HostRun() { QFile(release).open(QIODevice::WriteOnly); }
};

void TestPlayer::filer_exit_leaves_player_running()
{
    HostRun run;
    QProcess& host = run.host;
    const QString& log = run.log;
    const QString& release = run.release;
    QVERIFY(host.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(read_fake_player_log(log).size(), 1, 20000);

    // Closing the window ends the filer in the middle of the list play.
    QFile(run.close).open(QIODevice::WriteOnly);
    QVERIFY(host.waitForFinished(20000));
    QCOMPARE(host.exitStatus(), QProcess::NormalExit);
    QCOMPARE(host.exitCode(), 0);

    QList<FakePlayerRun> runs = read_fake_player_log(log);
    QCOMPARE(runs.size(), 1);
    QVERIFY(!runs[0].ended());
#ifdef Q_OS_UNIX
    QCOMPARE(::kill(static_cast<pid_t>(runs[0].pid), 0), 0); // still there
#endif
    QFile(release).open(QIODevice::WriteOnly);
    QTRY_VERIFY_WITH_TIMEOUT(read_fake_player_log(log).value(0).ended(), 20000);
    QCOMPARE(read_fake_player_log(log).size(), 1); // the next entry was never started
}

void TestPlayer::signal_during_list_play_ends_like_closing_data()
{
    QTest::addColumn<int>("signal_number");
#ifdef Q_OS_UNIX
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
#endif
}

void TestPlayer::signal_during_list_play_ends_like_closing()
{
#ifdef Q_OS_UNIX
    QFETCH(int, signal_number);
    HostRun run;
    QVERIFY(run.host.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(read_fake_player_log(run.log).size(), 1, 20000);

    QCOMPARE(::kill(static_cast<pid_t>(run.host.processId()), signal_number), 0);
    QVERIFY(run.host.waitForFinished(20000));
    QCOMPARE(run.host.exitStatus(), QProcess::NormalExit); // not killed by the signal
    QCOMPARE(run.host.exitCode(), 0);
    // The shutdown steps ran: the folder and the geometry are stored.
    const QString ini = run.dir.filePath(QStringLiteral("ravfiler.ini"));
    QCOMPARE(read_setting(ini, QStringLiteral("Lastpath")), run.dir.path());
    QVERIFY(read_setting(ini, QStringLiteral("PreWidth")).toInt() > 0);
    // The player goes on; the next entry is never started.
    const QList<FakePlayerRun> runs = read_fake_player_log(run.log);
    QCOMPARE(runs.size(), 1);
    QVERIFY(!runs[0].ended());
#else
    QSKIP("no such signals here");
#endif
}

void TestPlayer::exit_switch_cleared_stays_in_settings()
{
    Filer f(fake_player_options(true));
    const QString ini = f.state().ini_path;
    f.controls().Check3->click();
    QCOMPARE(f.state().exit_switch, QStringLiteral("*X"));
    QCOMPARE(read_setting(ini, QStringLiteral("ExitOpt")), QStringLiteral("*X"));
    f.controls().Check3->click();
    QCOMPARE(f.state().exit_switch, QString());
    QCOMPARE(read_setting(ini, QStringLiteral("ExitOpt")), QString()); // present, empty
    QFile file(ini);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("ExitOpt=\r\n"));
}

QTEST_MAIN(TestPlayer)
#include "test_player.moc"
