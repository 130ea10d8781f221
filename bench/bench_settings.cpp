// Times the settings reads of one start-up (the keys in the order the main window reads them)
// on a settings file of about 50 MB, in three shapes: the program's section first, last, and
// last in a CP932 file. Prints the median of the runs and the process's peak memory.
// Usage: bench_settings [MB, default 50] [runs, default 3]

#include "settings.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const kStartupKeys[] = {"SvPosit", "Ravu",      "Edit",    "Lastpath", "PlayOpt",
                                    "EndOpt",  "ExitOpt",   "IconOpt", "PreTop",   "PreTop",
                                    "PreLeft", "PreHeight", "PreWidth"};

const QByteArray kOwnSection =
    "[RavFiler]\r\nRavu=/usr/local/bin/ravu\r\nEdit=/usr/bin/editor\r\nSvPosit=1\r\n"
    "Lastpath=/home/user/tunes\r\nPlayOpt=\r\nEndOpt=\r\nPreTop=1200\r\n"
    "PreLeft=4500\r\nPreHeight=7800\r\nPreWidth=10845\r\n";

// About mb megabytes of other programs' sections, with text of the given bytes in each value.
QByteArray foreign_sections(qint64 mb, const QByteArray& text)
{
    QByteArray bytes;
    bytes.reserve(mb * 1000 * 1000 + 4096);
    for (int section = 0; bytes.size() < mb * 1000 * 1000; ++section) {
        bytes += "[Other" + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 1000; ++key)
            bytes += "key" + QByteArray::number(key) + "=" + text + "\r\n";
    }
    return bytes;
}

qint64 peak_kib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const qint64 mb = argc > 1 ? std::max(1LL, QByteArray(argv[1]).toLongLong()) : 50;
    const int runs = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 3;
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("ravfiler.ini"));
    const QByteArray ascii = "some value of another program, C:\\Program Files\\Other";
    const QByteArray cp932 =
        "\x83\x68\x83\x8c\x83\x7e C:\\\x83\x63\x81\x5b\x83\x8b \x87\x40"; // ドレミ C:\ツール ①
    const struct {
        const char* name;
        QByteArray bytes;
    } shapes[] = {
        {"own section first, UTF-8", kOwnSection + foreign_sections(mb, ascii)},
        {"own section last, UTF-8", foreign_sections(mb, ascii) + kOwnSection},
        {"own section last, CP932", foreign_sections(mb, cp932) + kOwnSection},
    };
    std::printf("%d reads per start-up, median of %d runs\n", int(std::size(kStartupKeys)), runs);
    for (const auto& shape : shapes) {
        QFile file(ini);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(shape.bytes) != shape.bytes.size())
            return 1;
        file.close();
        std::vector<double> ms;
        QString last;
        for (int run = 0; run < runs; ++run) {
            // Another program changes the file between two starts: nothing may be taken
            // from an earlier read.
            QFile touch(ini);
            if (touch.open(QIODevice::Append))
                touch.write(";\r\n");
            touch.close();
            QElapsedTimer timer;
            timer.start();
            for (const char* key : kStartupKeys)
                last = read_setting(ini, QString::fromLatin1(key));
            ms.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-28s %6.1f MB  %9.1f ms  (PreWidth=%s)\n", shape.name, shape.bytes.size() / 1e6,
                    ms[ms.size() / 2], qPrintable(last));
    }
    std::printf("peak resident memory: %lld KiB\n", peak_kib());
    return 0;
}
