// Programs the filer starts on Unix: each is its own child, watched from its start (by the
// system's watch and by the thread every Unix has) and reaped whether awaited or dropped, so
// no zombie is left behind.

#include "child_watch.h"
#include "desktop_services.h"
#include "fake_player_log.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ; // NOLINT: declared by no header on some systems

namespace {

const QString kFakePlayer = QStringLiteral(FAKE_PLAYER_PATH);

// Gone entirely: reaped, not a zombie.
bool gone(qint64 pid) { return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

// Ended, and still waiting to be reaped (looked at without reaping it).
bool ended_unreaped(qint64 pid)
{
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0
           && info.si_pid == static_cast<pid_t>(pid);
}

bool readable(int fd)
{
    pollfd probe{fd, POLLIN, 0};
    return poll(&probe, 1, 0) > 0;
}

// A fake player that runs until release() (or its folder goes).
struct HeldPlayers {
    QTemporaryDir dir;
    QString log = dir.filePath(QStringLiteral("player.log"));
    HeldPlayers()
    {
        qputenv("FAKE_PLAYER_LOG", log.toLocal8Bit());
        qputenv("FAKE_PLAYER_HOLD_FILE", dir.filePath(QStringLiteral("release")).toLocal8Bit());
    }
    ~HeldPlayers() { release(); }
    void release() const { QFile(dir.filePath(QStringLiteral("release"))).open(QIODevice::WriteOnly); }
    int started() const { return int(read_fake_player_log(log).size()); }
};

} // namespace

class TestProcesses : public QObject {
    Q_OBJECT
private slots:
    void watch_sees_the_end_data();
    void watch_sees_the_end();
    void dropped_tasks_are_reaped();
};

void TestProcesses::watch_sees_the_end_data()
{
    QTest::addColumn<bool>("thread");
    QTest::newRow("this system's watch") << false;
    QTest::newRow("thread") << true;
}

void TestProcesses::watch_sees_the_end()
{
    QFETCH(bool, thread);
    HeldPlayers players;
    const QByteArray program = QFile::encodeName(kFakePlayer);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t pid = 0;
    QCOMPARE(posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ), 0);
    const std::unique_ptr<ChildWatch> watch = thread ? watch_child_in_thread(pid) : watch_child(pid);
    QVERIFY(watch->descriptor() >= 0);

    QTRY_COMPARE(players.started(), 1);
    QVERIFY(!readable(watch->descriptor()));
    players.release();
    QTRY_VERIFY(readable(watch->descriptor()));
    watch->reap();
    QVERIFY(gone(pid));
}

void TestProcesses::dropped_tasks_are_reaped()
{
    HeldPlayers players;
    DesktopServices system;
    const CommandLine command{QString(), kFakePlayer, {}, QString()};
    qint64 ended_first = 0;
    qint64 running = 0;
    {
        auto task = system.start_task(command, WindowStyle::NoActivate);
        QVERIFY(task);
        running = task->task_id();
    }
    // One that has ended before it is dropped.
    qunsetenv("FAKE_PLAYER_HOLD_FILE");
    {
        auto task = system.start_task(command, WindowStyle::NoActivate);
        QVERIFY(task);
        ended_first = task->task_id();
        QTRY_COMPARE(players.started(), 2);
        QTRY_VERIFY(ended_unreaped(ended_first));
    }
    QTRY_VERIFY(gone(ended_first));
    QVERIFY(!gone(running));
    players.release();
    QTRY_VERIFY(gone(running));
}

QTEST_MAIN(TestProcesses)
#include "test_processes.moc"
