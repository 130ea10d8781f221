// The program's command line: what each argument asks for, and the built program answering
// --help, --version and a wrong argument on a machine without any display.

#include "command_line.h"

#include <QProcess>
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
    QTest::addColumn<QString>("refused");
    const auto run = CommandAction::Run;
    QTest::newRow("none") << QStringList{} << run << false << QString();
    QTest::newRow("desktop") << QStringList{"--desktop"} << run << true << QString();
    QTest::newRow("-h") << QStringList{"-h"} << CommandAction::Help << false << QString();
    QTest::newRow("help wins") << QStringList{"--desktop", "--help", "-v"} << CommandAction::Help << true
                               << QString();
    QTest::newRow("-v") << QStringList{"-v"} << CommandAction::Version << false << QString();
    QTest::newRow("--version") << QStringList{"--version"} << CommandAction::Version << false << QString();
    QTest::newRow("Qt's options") << QStringList{"-platform", "offscreen", "-style=fusion",
                                                 "--reverse", "-session",  "1234"}
                                  << run << false << QString();
    QTest::newRow("unknown option") << QStringList{"--help", "--bogus"} << CommandAction::Refuse << false
                                    << "--bogus";
    QTest::newRow("single dash") << QStringList{"-desktop"} << CommandAction::Refuse << false << "-desktop";
    QTest::newRow("a file") << QStringList{"tune.rav"} << CommandAction::Refuse << false << "tune.rav";
    QTest::newRow("flag with a value")
        << QStringList{"-reverse=1"} << CommandAction::Refuse << false << "-reverse=1";
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandAction, action);
    QFETCH(bool, desktop);
    QFETCH(QString, refused);
    const CommandLineRequest request = parse_command_line(arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.desktop, desktop);
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
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("error");
    const QByteArray usage = usage_text().toUtf8();
    QTest::newRow("--help") << "--help" << 0 << usage << QByteArray();
    QTest::newRow("-h") << "-h" << 0 << usage << QByteArray();
    QTest::newRow("--version") << "--version" << 0 << QByteArray("Ravu Filer 2.00\n") << QByteArray();
    QTest::newRow("-v") << "-v" << 0 << QByteArray("Ravu Filer 2.00\n") << QByteArray();
    QTest::newRow("unknown") << "--bogus" << 2 << QByteArray()
                             << QStringLiteral("ravufiler: 使えない引数です: --bogus\n\n").toUtf8() + usage;
}

void TestCommandLine::program_answers_without_display()
{
    QFETCH(QString, argument);
    QFETCH(int, exit_code);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, error);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RAVUFILER_PATH), {argument});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exit_code);
    QCOMPARE(program.readAllStandardOutput(), console_lines(out));
    QCOMPARE(program.readAllStandardError(), console_lines(error));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
