// The program's command line: what each argument asks for, and the built program answering
// --help, --version and a wrong argument on a machine without any display.

#include "command_line.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(CommandAction)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void program_answers_without_display_data();
    void program_answers_without_display();
};

void TestCommandLine::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandAction>("action");
    QTest::addColumn<bool>("desktop");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("refused");
    const auto run = CommandAction::Run;
    const auto refuse = CommandAction::Refuse;
    QTest::newRow("none") << QStringList{} << run << false << QString() << QString();
    QTest::newRow("desktop") << QStringList{"--desktop"} << run << true << QString() << QString();
    QTest::newRow("-h") << QStringList{"-h"} << CommandAction::Help << false << QString() << QString();
    QTest::newRow("help wins") << QStringList{"--desktop", "--help", "-v"} << CommandAction::Help << true
                               << QString() << QString();
    // Answered before the application could say whether the other argument is Qt's.
    QTest::newRow("help beside an unknown option")
        << QStringList{"--bogus", "--help"} << CommandAction::Help << false << QString() << "--bogus";
    QTest::newRow("-v") << QStringList{"-v"} << CommandAction::Version << false << QString() << QString();
    QTest::newRow("--version") << QStringList{"--version"} << CommandAction::Version << false << QString()
                               << QString();
    QTest::newRow("a folder") << QStringList{"~/曲"} << run << false << "~/曲" << QString();
    QTest::newRow("desktop and a tune")
        << QStringList{"--desktop", "/m/a b.rav"} << run << true << "/m/a b.rav" << QString();
    QTest::newRow("a path after --") << QStringList{"--", "-odd.rav"} << run << false << "-odd.rav"
                                     << QString();
    QTest::newRow("two paths") << QStringList{"a.rav", "b.rav"} << refuse << false << "a.rav"
                               << "b.rav";
    QTest::newRow("unknown option") << QStringList{"--bogus", "a.rav"} << refuse << false << "a.rav"
                                    << "--bogus";
    QTest::newRow("single dash") << QStringList{"-desktop"} << refuse << false << QString() << "-desktop";
    QTest::newRow("a lone dash is a path") << QStringList{"-"} << run << false << "-" << QString();
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandAction, action);
    QFETCH(bool, desktop);
    QFETCH(QString, path);
    QFETCH(QString, refused);
    const CommandLineRequest request = parse_command_line(arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.desktop, desktop);
    QCOMPARE(request.path, path);
    QCOMPARE(request.refused_argument, refused);
}

// A console's text as it arrives: Windows' C library ends its lines with CR LF.
static QByteArray console_lines(QByteArray text)
{
#ifdef Q_OS_WIN
    text.replace("\n", "\r\n");
#endif
    return text;
}

void TestCommandLine::program_answers_without_display_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("error");
    const QByteArray usage = usage_text().toUtf8();
    const auto refused = [&usage](const char* argument) {
        return QStringLiteral("ravufiler: 使えない引数です: %1\n\n").arg(QLatin1String(argument)).toUtf8()
               + usage;
    };
    const QByteArray version("Ravu Filer 2.00\n");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QByteArray();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QByteArray();
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QByteArray();
    QTest::newRow("-v with Qt's options")
        << QStringList{"-style", "fusion", "-v"} << 0 << version << QByteArray();
    // Qt takes its own options first (on a platform that needs no display); what is left
    // is refused before any window shows.
    QTest::newRow("unknown") << QStringList{"-platform", "offscreen", "--bogus"} << 2 << QByteArray()
                             << refused("--bogus");
    QTest::newRow("unknown after Qt's options")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-session", "1", "-reverse", "-x"} << 2
        << QByteArray() << refused("-x");
    QTest::newRow("a Qt flag given a value")
        << QStringList{"-platform", "offscreen", "-reverse=1"} << 2 << QByteArray() << refused("-reverse=1");
    QTest::newRow("two paths") << QStringList{"-platform", "offscreen", "a", "b"} << 2 << QByteArray()
                               << refused("b");
}

void TestCommandLine::program_answers_without_display()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exit_code);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, error);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    // A runtime folder of the user's own, so the platform has nothing to warn about.
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RAVUFILER_PATH), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exit_code);
    QCOMPARE(program.readAllStandardOutput(), console_lines(out));
    QCOMPARE(program.readAllStandardError(), console_lines(error));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
