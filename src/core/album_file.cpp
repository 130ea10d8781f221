#include "album_file.h"

#include "play_list.h"

QString album_text(const PlayList& list)
{
    QString text;
    for (const QString& entry : entries_in_use(list))
        text += entry + QStringLiteral("\r\n");
    return text;
}
