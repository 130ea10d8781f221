#include "album_file.h"

#include "play_list.h"
#include "text_lines.h"

QString album_text(const PlayList& list)
{
    QString text;
    for (const QString& entry : entries_in_use(list))
        text += entry + QStringLiteral("\r\n");
    return text;
}

bool write_album(const QString& path, const PlayList& list, QString* error)
{
    return write_text_file(path, album_text(list), error);
}

AlbumLines read_album(const QString& path, int max_lines)
{
    TextLines read = read_text_lines(path, max_lines, kAlbumMaxLineBytes);
    AlbumLines album;
    album.lines = std::move(read.lines);
    album.ok = read.ok && !read.line_too_long;
    return album;
}
