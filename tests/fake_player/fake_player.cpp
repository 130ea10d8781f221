// A stand-in for the player, built with the tests and never installed. It appends one JSON
// line with its arguments (on Windows also the command line itself, and the arguments as
// Windows splits it), working folder and start time to the log file, waits as told,
// appends a line with its end time and exits with the code it was told.
// Everything it is told comes from the test's environment, never from its arguments:
//   FAKE_PLAYER_LOG        the log file (nothing is logged without it)
//   FAKE_PLAYER_DELAY_MS   milliseconds to wait before ending
//   FAKE_PLAYER_HOLD_FILE  wait until this file exists (or its folder is gone) before ending
//   FAKE_PLAYER_EXIT_CODE  the exit code

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

qint64 now_ns()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// One write per line, so lines of players running side by side never mix.
void log_line(const QString& log, QJsonObject line)
{
    if (log.isEmpty())
        return;
    line.insert(QStringLiteral("pid"), QCoreApplication::applicationPid());
    line.insert(QStringLiteral("time_ns"), now_ns());
    QFile file(log);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
}

} // namespace

int main(int argc, char* argv[])
{
    // Splits the command line as the system does (Windows: from the wide command line, not the
    // narrow argv, which holds only what the ANSI code page can).
    const QCoreApplication application(argc, argv);
    const QString log = qEnvironmentVariable("FAKE_PLAYER_LOG");
    QJsonObject start{
        {QStringLiteral("event"), QStringLiteral("start")},
        {QStringLiteral("args"), QJsonArray::fromStringList(QCoreApplication::arguments().mid(1))},
        {QStringLiteral("cwd"), QDir::currentPath()}};
#ifdef Q_OS_WIN
    start.insert(QStringLiteral("command_line"), QString::fromWCharArray(GetCommandLineW()));
#endif
    log_line(log, start);

    const int delay_ms = qEnvironmentVariableIntValue("FAKE_PLAYER_DELAY_MS");
    if (delay_ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    // A test that ended without releasing its players takes the hold file's folder with it.
    const QString hold = qEnvironmentVariable("FAKE_PLAYER_HOLD_FILE");
    while (!hold.isEmpty() && !QFileInfo::exists(hold) && QFileInfo(hold).dir().exists())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));

    const int exit_code = qEnvironmentVariableIntValue("FAKE_PLAYER_EXIT_CODE");
    log_line(log, QJsonObject{{QStringLiteral("event"), QStringLiteral("end")},
                              {QStringLiteral("exit_code"), exit_code}});
    return exit_code;
}
