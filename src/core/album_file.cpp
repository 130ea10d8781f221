#include "album_file.h"

#include "messages.h"
#include "play_list.h"
#include "text_codec.h"
#include "text_lines.h"

namespace {

LineBounds album_bounds(int max_lines) { return LineBounds{max_lines, kAlbumMaxLineBytes, -1, true}; }

AlbumLines album_lines(TextLines read)
{
    AlbumLines album;
    album.lines = std::move(read.lines);
    album.ok = read.error.ok() && !read.line_too_long;
    album.error = read.line_too_long ? FileError{FileFailure::Other, kAlbumLineTooLongReason} : read.error;
    return album;
}

} // namespace

QString album_text(const PlayList& list)
{
    QString text;
    for (const QString& entry : entries_in_use(list))
        text += entry + QStringLiteral("\r\n");
    return text;
}

QByteArray album_bytes(const PlayList& list) { return encode_text(album_text(list)); }

bool write_album(const QString& path, const PlayList& list, QString* error)
{
    // A replace would succeed on a file made read-only; it is kept, as the settings file is.
    if (regular_file_identity(path)) {
        if (const FileError writable = check_writable(path); !writable.ok()) {
            if (error)
                *error = writable.reason;
            return false;
        }
    }
    return write_text_file(path, album_text(list), error);
}

AlbumLines read_album(QIODevice& device, int max_lines)
{
    return album_lines(read_text_lines(device, album_bounds(max_lines)));
}

AlbumLines read_album(const QString& path, int max_lines)
{
    return album_lines(read_text_lines(path, album_bounds(max_lines)));
}
