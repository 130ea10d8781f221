// Ending the program from outside (SIGTERM, SIGINT, SIGHUP) while one of its modal windows
// waits for the user, and a settings write past the file size limit: the real program in a
// process of its own, which must end promptly and with its shutdown steps done.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kEndBoundMs = 10000;
const QByteArray kFullSettings = "[RavFiler]\r\nRavu=/opt/player\r\nEdit=/opt/editor\r\n";

QByteArray read_all(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The process has its handler for the signal in place (Linux: the caught-signal mask).
bool catches(qint64 pid, int signal_number)
{
    const QByteArray status = read_all(QStringLiteral("/proc/%1/status").arg(pid));
    for (const QByteArray& line : status.split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal_number - 1)) & 1U;
    return false;
}

// A start folder with a settings file and one tune, and a home of its own.
struct StartFolder {
    QTemporaryDir dir;
    QString ini() const { return dir.filePath(QStringLiteral("ravfiler.ini")); }

    explicit StartFolder(const QByteArray& settings)
    {
        QFile ini_file(ini());
        if (ini_file.open(QIODevice::WriteOnly))
            ini_file.write(settings);
        QFile tune(dir.filePath(QStringLiteral("a.rav")));
        if (tune.open(QIODevice::WriteOnly))
            tune.write("cde\r\n");
        QDir(dir.path()).mkpath(QStringLiteral("home"));
    }

    void prepare(QProcess& process) const
    {
        process.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
    }

    QString lastpath() const
    {
        for (const QByteArray& line : read_all(ini()).split('\n'))
            if (line.startsWith("Lastpath="))
                return QString::fromUtf8(line.mid(9).trimmed());
        return QString();
    }
};

} // namespace

class TestShutdown : public QObject {
    Q_OBJECT
private slots:
    void signal_during_modal_window_data();
    void signal_during_modal_window();
    void write_past_file_size_limit_is_reported_not_fatal();
};

void TestShutdown::signal_during_modal_window_data()
{
    QTest::addColumn<QString>("window");      // what the host opens (modal_host)
    QTest::addColumn<QByteArray>("settings"); // the settings file at start
    QTest::addColumn<QByteArray>("shown");    // the class of the modal window
    QTest::addColumn<int>("signal_number");
    const QByteArray gone_folder = kFullSettings + "Lastpath=/nonexistent/folder\r\n";
    QTest::newRow("message box") << "message" << kFullSettings << QByteArray("QMessageBox") << SIGTERM;
    QTest::newRow("delete question") << "question" << kFullSettings << QByteArray("QMessageBox") << SIGTERM;
    QTest::newRow("save dialog") << "save" << kFullSettings << QByteArray("QFileDialog") << SIGTERM;
    QTest::newRow("rename dialog") << "rename" << kFullSettings << QByteArray("RenameDialog") << SIGTERM;
    QTest::newRow("options dialog") << "options" << kFullSettings << QByteArray("OptionsDialog") << SIGTERM;
    // The load's own windows, before the window is shown; the second options dialog (no
    // editor either) must not wait either.
    QTest::newRow("options at start")
        << "none" << QByteArray("[RavFiler]\r\n") << QByteArray("OptionsDialog") << SIGTERM;
    QTest::newRow("last folder gone at start")
        << "none" << gone_folder << QByteArray("QMessageBox") << SIGTERM;
    QTest::newRow("save dialog, SIGINT") << "save" << kFullSettings << QByteArray("QFileDialog") << SIGINT;
    QTest::newRow("delete question, SIGHUP")
        << "question" << kFullSettings << QByteArray("QMessageBox") << SIGHUP;
}

// The program ends within the bound, as closing ends it: the folder shown is stored, and
// the window's question is not taken as a Yes.
void TestShutdown::signal_during_modal_window()
{
    QFETCH(QString, window);
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, shown);
    QFETCH(int, signal_number);
    StartFolder start(settings);
    QProcess host;
    start.prepare(host);
    host.start(QStringLiteral(MODAL_HOST_PATH), {window});
    QVERIFY(host.waitForStarted());
    QByteArray out;
    while (!out.contains('\n') && host.waitForReadyRead(kEndBoundMs))
        out += host.readAllStandardOutput();
    QCOMPARE(out.trimmed(), "modal " + shown);

    QCOMPARE(::kill(static_cast<pid_t>(host.processId()), signal_number), 0);
    QVERIFY2(host.waitForFinished(kEndBoundMs), "still running after the signal");
    QCOMPARE(host.exitStatus(), QProcess::NormalExit);
    QCOMPARE(host.exitCode(), 0);
    QCOMPARE(start.lastpath(), QDir::toNativeSeparators(start.dir.path()));
    QCOMPARE(read_all(start.dir.filePath(QStringLiteral("a.rav"))), QByteArray("cde\r\n"));
    QCOMPARE(QDir(start.dir.path()).entryList({QStringLiteral("*.alb")}), QStringList());
}

// SIGXFSZ would end the program without its shutdown steps: the write fails instead, the
// settings file stays whole and the program ends normally.
void TestShutdown::write_past_file_size_limit_is_reported_not_fatal()
{
    StartFolder start(kFullSettings);
    QProcess program;
    start.prepare(program);
    program.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 16; // below the settings file's size: no rewrite of it can succeed
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    program.start(QStringLiteral(RAVUFILER_PATH), {});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(catches(program.processId(), SIGTERM), kEndBoundMs);

    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
    QVERIFY(program.waitForFinished(kEndBoundMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(read_all(start.ini()), kFullSettings);
    QCOMPARE(QDir(start.dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"a.rav", "ravfiler.ini"}));
}

QTEST_GUILESS_MAIN(TestShutdown)
#include "test_shutdown.moc"
