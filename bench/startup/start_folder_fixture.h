#pragma once
// The start folder both start-up benchmarks start the program in: a complete settings file,
// so no options dialog opens, and fifty tunes for the file list.

#include <QFile>
#include <QString>

inline bool write_start_folder(const QString& folder)
{
    QFile ini(folder + QStringLiteral("/ravfiler.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    ini.write("[RavFiler]\r\nRavu=/bin/true\r\nEdit=/bin/true\r\nSvPosit=0\r\n");
    ini.close();
    for (int i = 0; i < 50; ++i) {
        QFile tune(folder + QStringLiteral("/tune%1.rav").arg(i));
        if (tune.open(QIODevice::WriteOnly))
            tune.write("@A P018 V080\r\ncdefgab\r\n");
    }
    return true;
}
