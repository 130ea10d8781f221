// Times the bounded line reader on a huge file and the profile parser on hostile input.
// Usage: bench_text [file size in MiB, default 1024]

#include "profile_file.h"
#include "text_lines.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {
template <typename Work>
void timed(const char* what, Work work)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray note = work();
    std::printf("%-44s %9.3f ms  %s\n", what, timer.nsecsElapsed() / 1e6, note.constData());
}
} // namespace

int main(int argc, char** argv)
{
    const qint64 mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.rav"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block;
        while (block.size() < (1 << 20))
            block += "t120 l8 cdefgab>c<\r\n";
        for (qint64 i = 0; i < mib; ++i)
            file.write(block.constData(), 1 << 20);
    }
    timed("read_text_lines 200 lines of a huge file", [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const TextLines read = read_text_lines(file, LineBounds{200, 4096});
        return QByteArray::number(read.lines.size()) + " lines, " + QByteArray::number(file.pos()) + " of "
               + QByteArray::number(file.size()) + " bytes read";
    });
    QFile::remove(path);

    QByteArray noise(10 << 20, Qt::Uninitialized);
    QRandomGenerator(1).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const QByteArray tail = "\r\n[RavFiler]\r\nRavu=x\r\n";
    const struct {
        const char* name;
        QByteArray bytes;
    } inputs[] = {
        {"profile_value, 10 MB single line", QByteArray(10 << 20, 'x') + tail},
        {"profile_value, 10 MB of LF", QByteArray(10 << 20, '\n') + tail},
        {"profile_value, 10 MB random bytes", noise + tail},
    };
    for (const auto& input : inputs) {
        timed(input.name, [&] {
            return profile_value(input.bytes, QStringLiteral("RavFiler"), QStringLiteral("Ravu"),
                                 QStringLiteral("ERR"))
                .toUtf8();
        });
    }
    timed("profile_with_value, 10 MB of LF", [&] {
        return QByteArray::number(profile_with_value(inputs[1].bytes, QStringLiteral("RavFiler"),
                                                     QStringLiteral("Edit"), QStringLiteral("vi"))
                                      .bytes.size())
               + " bytes";
    });
    return 0;
}
