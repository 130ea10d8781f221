// A Windows player on another system: which player needs a runner and which runner, the
// Windows form of a path in the prefix's drives, the drives read from a prefix, and the
// command lines a fake runner on PATH receives for a tune, a list entry and the trial tune.

#include "messages.h"
#include "player_runner.h"
#include "runner_prefix.h"
#include "started_window.h"
#include "test_files.h"
#include "trial_window.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

Q_DECLARE_METATYPE(RunnerKind)
Q_DECLARE_METATYPE(DesktopSystem)

namespace {

// The drives of a default prefix below /home/u/.wine, a second disk, and two for one folder.
const QList<DriveLink> kDrives = {{QLatin1Char('C'), QStringLiteral("/home/u/.wine/drive_c")},
                                  {QLatin1Char('D'), QStringLiteral("/mnt/music")},
                                  {QLatin1Char('E'), QStringLiteral("/mnt/music/old")},
                                  {QLatin1Char('Z'), QStringLiteral("/")}};

// Logs every run as one line: the working folder, then each argument in brackets.
const QByteArray kFakeRunner = "#!/bin/sh\n"
                               "{ printf '%s' \"$PWD\"; for a in \"$@\"; do printf '[%s]' \"$a\"; done;"
                               " printf '\\n'; } >> \"$FAKE_RUNNER_LOG\"\n";

bool make_link(const QString& target, const QString& link) { return QFile::link(target, link); }

} // namespace

class TestRunner : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windows_program_data();
    void windows_program();
    void runner_choice_data();
    void runner_choice();
    void windows_form_data();
    void windows_form();
    void command_through_runner();
    void drives_of_a_prefix();

    void fake_runner_gets_each_form();
    void runner_setting_data();
    void runner_setting();
    void real_runner_starts_a_windows_player();

private:
    QByteArray m_path;
    QByteArray m_prefix;
};

void TestRunner::init()
{
    m_path = qgetenv("PATH");
    m_prefix = qgetenv("WINEPREFIX");
}

void TestRunner::cleanup()
{
    qputenv("PATH", m_path);
    if (m_prefix.isNull())
        qunsetenv("WINEPREFIX");
    else
        qputenv("WINEPREFIX", m_prefix);
    qunsetenv("FAKE_RUNNER_LOG");
}

void TestRunner::windows_program_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<bool>("windows");
    for (const char* name : {"ravu.exe", "/opt/R/RAVU.EXE", "play.Com", "run.bat", "run.CMD"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const char* name : {"/usr/bin/ravu", "ravu.exe.sh", "exe", "/opt/a.exe/ravu", "ravu.ex"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void TestRunner::windows_program()
{
    QFETCH(QString, player);
    QFETCH(bool, windows);
    QCOMPARE(is_windows_program(player), windows);
}

void TestRunner::runner_choice_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<DesktopSystem>("system");
    QTest::addColumn<RunnerKind>("kind");
    QTest::addColumn<QString>("runner");
    // The key's other values are played through in runner_setting.
    const auto linux = DesktopSystem::OtherUnix;
    QTest::newRow("key blank") << "ravu.exe"
                               << "  " << linux << RunnerKind::Default << "wine";
    QTest::newRow("native player") << "/usr/bin/ravu"
                                   << "" << linux << RunnerKind::Direct << "";
    QTest::newRow("macOS too") << "ravu.bat"
                               << "ERR" << DesktopSystem::MacOs << RunnerKind::Default << "wine";
    QTest::newRow("on Windows") << "ravu.exe"
                                << "wine" << DesktopSystem::Windows << RunnerKind::Direct << "";
}

void TestRunner::runner_choice()
{
    QFETCH(QString, player);
    QFETCH(QString, setting);
    QFETCH(DesktopSystem, system);
    QFETCH(RunnerKind, kind);
    QFETCH(QString, runner);
    const RunnerChoice choice = choose_runner(player, setting, system);
    QCOMPARE(choice.kind, kind);
    QCOMPARE(choice.runner, runner);
}

void TestRunner::windows_form_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole file system") << "/home/u/曲/a b.rav"
                                       << "Z:\\home\\u\\曲\\a b.rav";
    QTest::newRow("inside drive_c") << "/home/u/.wine/drive_c/t/a.rav"
                                    << "C:\\t\\a.rav";
    QTest::newRow("longest folder wins") << "/mnt/music/old/x.rav"
                                         << "E:\\x.rav";
    QTest::newRow("second disk") << "/mnt/music/x.rav"
                                 << "D:\\x.rav";
    QTest::newRow("a name that only starts alike") << "/mnt/musical/x.rav"
                                                   << "Z:\\mnt\\musical\\x.rav";
    QTest::newRow("the drive's own folder") << "/mnt/music"
                                            << "D:\\";
    QTest::newRow("root") << "/"
                          << "Z:\\";
    QTest::newRow("doubled separators") << "/mnt//music/./x.rav"
                                        << "D:\\x.rav";
    QTest::newRow("relative stays") << "tunes/a.rav"
                                    << "tunes/a.rav";
    QTest::newRow("already Windows") << "C:\\a.rav"
                                     << "C:\\a.rav";
}

void TestRunner::windows_form()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(::windows_form(path, kDrives), expected);
    // No drive reaches it: as given.
    QCOMPARE(::windows_form(path, {{QLatin1Char('C'), QStringLiteral("/srv/c")}}), path);
}

void TestRunner::command_through_runner()
{
    CommandLine player =
        single_file_command(QStringLiteral("C:\\ravu\\ravu.exe"), QStringLiteral("/mnt/music/a.rav"),
                            QStringLiteral("*P*E"), QStringLiteral("/mnt/music"));
    const CommandLine line = through_runner(player, QStringLiteral("wine"), kDrives);
    QCOMPARE(line.program, QStringLiteral("wine"));
    QCOMPARE(line.arguments, (QStringList{QStringLiteral("C:\\ravu\\ravu.exe"), QStringLiteral("D:\\a.rav"),
                                          QStringLiteral("*P*E")}));
    QCOMPARE(line.working_folder, QStringLiteral("/mnt/music"));
    QCOMPARE(line.text, QStringLiteral(R"("wine" "C:\ravu\ravu.exe" "D:\a.rav"*P*E)"));
}

void TestRunner::drives_of_a_prefix()
{
    QTemporaryDir temp;
    const QString prefix = temp.filePath(QStringLiteral("prefix"));
    const QString devices = prefix + QStringLiteral("/dosdevices");
    QVERIFY(QDir().mkpath(devices));
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/drive_c")));
    QVERIFY(make_link(QStringLiteral("../drive_c"), devices + QStringLiteral("/c:")));
    QVERIFY(make_link(QStringLiteral("/"), devices + QStringLiteral("/z:")));
    QVERIFY(make_link(temp.path() + QStringLiteral("/music/"), devices + QStringLiteral("/D:")));
    // Raw devices and ports are no drives.
    QVERIFY(make_link(QStringLiteral("/dev/null"), devices + QStringLiteral("/c::")));
    QVERIFY(make_link(QStringLiteral("/dev/null"), devices + QStringLiteral("/com1")));
    QVERIFY(write_file(devices + QStringLiteral("/y:"), "not a link"));

    QStringList found;
    for (const DriveLink& drive : prefix_drives(prefix))
        found << QString(drive.letter) + QLatin1Char('=') + drive.target;
    QCOMPARE(found, (QStringList{QStringLiteral("C=") + prefix + QStringLiteral("/drive_c"),
                                 QStringLiteral("D=") + temp.path() + QStringLiteral("/music"),
                                 QStringLiteral("Z=/")}));

    // A prefix the runner has not made yet: the drive it will make for everything.
    const QList<DriveLink> fresh = prefix_drives(temp.filePath(QStringLiteral("none")));
    QCOMPARE(fresh.size(), 1);
    QCOMPARE(::windows_form(QStringLiteral("/a/b.rav"), fresh), QStringLiteral("Z:\\a\\b.rav"));

    qputenv("WINEPREFIX", prefix.toUtf8());
    QCOMPARE(runner_prefix(), prefix);
    qputenv("WINEPREFIX", "relative/prefix");
    QCOMPARE(runner_prefix(), QDir::homePath() + QStringLiteral("/.wine"));
}

// A runner named "wine" on PATH and a prefix whose drives the test made: each form reaches it
// with the player path as stored and the path in the Windows form.
void TestRunner::fake_runner_gets_each_form()
{
    StartedWindow f(
        {.settings = settings_naming(QStringLiteral("C:\\ravu\\ravu.exe"), QStringLiteral("editor")),
         .real_system = true});
    const QString bin = f.make_folder(QStringLiteral("bin"));
    f.write_file(QStringLiteral("bin/wine"), kFakeRunner);
    QVERIFY(QFile::setPermissions(bin + QStringLiteral("/wine"), QFile::ReadOwner | QFile::ExeOwner));
    qputenv("PATH", bin.toUtf8() + ':' + m_path);
    const QString devices = f.make_folder(QStringLiteral("prefix/dosdevices"));
    QVERIFY(make_link(QStringLiteral("/"), devices + QStringLiteral("/z:")));
    QVERIFY(make_link(f.start_dir, devices + QStringLiteral("/m:")));
    qputenv("WINEPREFIX", f.path(QStringLiteral("prefix")).toUtf8());
    const QString log = f.path(QStringLiteral("runner.log"));
    qputenv("FAKE_RUNNER_LOG", log.toLocal8Bit());
    const auto lines = [&log] {
        return QString::fromUtf8(read_file(log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };

    f.write_file(QStringLiteral("曲 1.rav"), "cde");
    f.write_file(QStringLiteral("b.rav"), "efg");
    f.click_file(QStringLiteral("曲 1.rav"));
    f.controls().Check1->click();
    f.click(f.controls().Command1);
    QTRY_COMPARE(lines().size(), 1);
    QCOMPARE(lines()[0], f.start_dir + QStringLiteral("[C:\\ravu\\ravu.exe][M:\\曲 1.rav][*P]"));

    f.click_option(1);
    f.add_files({QStringLiteral("b.rav"), QStringLiteral("曲 1.rav")});
    f.click(f.controls().Command1);
    QTRY_COMPARE(lines().size(), 3);
    QCOMPARE(lines()[1], QDir::currentPath() + QStringLiteral("[C:\\ravu\\ravu.exe][M:\\b.rav][*P*E]"));
    QCOMPARE(lines()[2], QDir::currentPath() + QStringLiteral("[C:\\ravu\\ravu.exe][M:\\曲 1.rav][*P*E]"));

    f.write_file(QStringLiteral("ravuconf.rav"), "; conf\r\n");
    f.control<QPushButton>("Command2")->click();
    auto* trial = qobject_cast<TrialWindow*>(top_level_named(QStringLiteral("Form4")));
    QVERIFY(trial);
    trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("cde"));
    trial->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QTRY_COMPARE(lines().size(), 4);
    QCOMPARE(lines()[3],
             QDir::currentPath() + QStringLiteral("[C:\\ravu\\ravu.exe][M:\\ravutmp.rav][*P*E*X]"));
    QCOMPARE(f.dialogs.texts(), QStringList());
    qInfo().noquote() << "the runner got:\n" + lines().join(QLatin1Char('\n'));
}

void TestRunner::runner_setting_data()
{
    QTest::addColumn<QString>("runner"); // the Runner key; "ERR": none
    QTest::addColumn<bool>("wine_on_path");
    QTest::addColumn<QString>("started"); // the program started; empty: none
    QTest::addColumn<QString>("message");
    const QString player = QStringLiteral("/opt/p/ravu.exe");
    QTest::newRow("no runner installed")
        << "ERR" << false << QString() << kDefaultRunnerMissingMessage.arg(player);
    QTest::newRow("named runner missing")
        << "/opt/none/wine" << true << QString()
        << kNamedRunnerMissingMessage.arg(player, QStringLiteral("/opt/none/wine"));
    QTest::newRow("named runner") << "@/other" << false << "@/other" << QString();
    QTest::newRow("directly") << "-" << true << player << QString();
    QTest::newRow("empty key: the system's") << "" << true << "@/bin/wine" << QString();
}

// The list play stops at a runner that is not there, with the message naming what to
// install; the key chooses another runner or none.
void TestRunner::runner_setting()
{
    QFETCH(QString, runner);
    QFETCH(bool, wine_on_path);
    QFETCH(QString, started);
    QFETCH(QString, message);
    StartedWindow f({.load = false});
    const QString bin = f.make_folder(QStringLiteral("bin"));
    for (const char* name : {"bin/wine", "other"}) {
        f.write_file(QString::fromLatin1(name), kFakeRunner);
        QFile::setPermissions(f.path(QString::fromLatin1(name)), QFile::ReadOwner | QFile::ExeOwner);
    }
    qputenv("PATH", wine_on_path ? bin.toUtf8() : QByteArray("/nonexistent"));
    QByteArray settings = settings_naming(QStringLiteral("/opt/p/ravu.exe"), QStringLiteral("editor"));
    if (runner != QStringLiteral("ERR"))
        settings += "Runner=" + runner.replace(QLatin1Char('@'), f.start_dir).toUtf8() + "\r\n";
    f.write_file(QStringLiteral("ravfiler.ini"), settings);
    f.load();
    f.write_file(QStringLiteral("a.rav"), "");
    f.write_file(QStringLiteral("b.rav"), "");
    f.click_option(1);
    f.add_files({QStringLiteral("a.rav"), QStringLiteral("b.rav")});
    f.click(f.controls().Command1);

    QStringList programs;
    for (const auto& start : f.system.starts)
        programs << start.command.program;
    started.replace(QLatin1Char('@'), f.start_dir);
    const QStringList expected = started.isEmpty() ? QStringList() : QStringList{started, started};
    QCOMPARE(programs, expected);
    QCOMPARE(f.dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
}

// Debian's runner with a player built for Windows: the player gets the tune in the Windows
// form and can open it there.
void TestRunner::real_runner_starts_a_windows_player()
{
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    const QString compiler = QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-g++-posix"));
    if (wine.isEmpty() || compiler.isEmpty())
        QSKIP("wine or the MinGW compiler is not installed");
    StartedWindow f({.settings = QByteArray(), .real_system = true, .load = false});
    QProcess build;
    build.start(compiler, {QStringLiteral("-O1"), QStringLiteral("-municode"), QStringLiteral("-static"),
                           QStringLiteral(WINDOWS_PLAYER_SOURCE), QStringLiteral("-o"),
                           f.path(QStringLiteral("player.exe"))});
    QVERIFY(build.waitForFinished(120000));
    QVERIFY2(build.exitCode() == 0, build.readAllStandardError().constData());
    qputenv("WINEPREFIX", f.path(QStringLiteral("prefix")).toUtf8());
    qputenv("WINEDEBUG", "-all");
    qputenv("WINEDLLOVERRIDES", "mscoree,mshtml=");
    f.write_file(QStringLiteral("ravfiler.ini"),
                 settings_naming(f.path(QStringLiteral("player.exe")), QStringLiteral("editor")));
    f.load();
    f.write_file(QStringLiteral("曲 a.rav"), "cde");
    f.write_file(QStringLiteral("b.rav"), "efg");
    f.click_option(1);
    f.add_files({QStringLiteral("曲 a.rav"), QStringLiteral("b.rav")});
    f.controls().Check3->click();
    // The list play awaits each run: the log has both lines, in order, once it returns.
    f.window->exec_ravu_alb();
    QCOMPARE(f.dialogs.texts(), QStringList());
    const QString log = QString::fromUtf8(read_file(f.path(QStringLiteral("曲 a.rav.log"))));
    QString expected = f.path(QStringLiteral("曲 a.rav"));
    expected = QStringLiteral("Z:") + expected.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QCOMPARE(log, QStringLiteral("%1|*P*E*X|opened\n").arg(expected));
    QVERIFY(QFile::exists(f.path(QStringLiteral("b.rav.log"))));
    // The prefix's server goes before its folder does.
    QProcess::execute(QStringLiteral("wineserver"), {QStringLiteral("-k")});
}

QTEST_MAIN(TestRunner)
#include "test_runner.moc"
