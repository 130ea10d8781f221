#include "fake_player_log.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QList<FakePlayerRun> read_fake_player_log(const QString& log)
{
    QList<FakePlayerRun> runs;
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.isEmpty())
            continue;
        const qint64 pid = o.value(QStringLiteral("pid")).toInteger();
        const qint64 time = o.value(QStringLiteral("time_ns")).toInteger();
        if (o.value(QStringLiteral("event")).toString() == QStringLiteral("start")) {
            FakePlayerRun run;
            run.pid = pid;
            run.start_ns = time;
            run.cwd = o.value(QStringLiteral("cwd")).toString();
            run.command_line = o.value(QStringLiteral("command_line")).toString();
            for (const auto& a : o.value(QStringLiteral("args")).toArray())
                run.args << a.toString();
            runs << run;
        } else {
            for (FakePlayerRun& run : runs)
                if (run.pid == pid && !run.ended())
                    run.end_ns = time;
        }
    }
    return runs;
}

QStringList played_tunes(const QList<FakePlayerRun>& runs)
{
    QStringList tunes;
    for (const FakePlayerRun& run : runs)
        tunes << run.args.value(0);
    return tunes;
}
