#pragma once
// Album files: the play list, one bare file name a line, every line ending in CR LF.

#include "app_state.h"
#include "regular_file.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// A line longer than this (in the file's bytes) is no file name: reading stops before it.
inline constexpr qint64 kAlbumMaxLineBytes = 32 * 1024;

// The album's text: the entries in use, at most list_capacity, each followed by CR LF.
QString album_text(const PlayList& list);

// The album file's bytes: CP932, or UTF-8 with a BOM when a name has a character CP932
// lacks (a name must match the file on disk exactly, so no look-alike is taken).
QByteArray album_bytes(const PlayList& list);

// Replaces the file with album_bytes (write_text_file); a file this program may not write
// is not replaced. On failure the old file stays whole and error says why.
bool write_album(const QString& path, const PlayList& list, QString* error = nullptr);

// The names of an album: its lines up to the first empty one, at most max_lines of them.
// Play and save end at an empty entry anyway, and names after it could only come back as
// entries nobody picked. ok is false when the file could not be opened or read as far as
// those lines go (error says why; a line too long for a name counts too); lines holds what
// was read before.
struct AlbumLines {
    QStringList lines;
    bool ok = false;
    FileError error;
};
AlbumLines read_album(QIODevice& device, int max_lines);
AlbumLines read_album(const QString& path, int max_lines);
