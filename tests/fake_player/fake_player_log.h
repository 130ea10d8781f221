#pragma once
// Reading the fake player's log: one run per started player, in the order they started.

#include <QList>
#include <QString>
#include <QStringList>

struct FakePlayerRun {
    qint64 pid = 0;
    QStringList args;
    QString cwd;
    QString command_line; // Windows only: the command line exactly as the player got it
    qint64 start_ns = 0;
    qint64 end_ns = 0; // 0 while the player runs

    bool ended() const { return end_ns != 0; }
};

// The runs logged so far (none when the log does not exist).
QList<FakePlayerRun> read_fake_player_log(const QString& log);

// The first argument of every run: the tune each run was given.
QStringList played_tunes(const QList<FakePlayerRun>& runs);
