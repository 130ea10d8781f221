#pragma once
// Album files: the play list, one bare file name a line, every line ending in CR LF.

#include "app_state.h"

#include <QString>
#include <QStringList>

// A line longer than this (in the file's bytes) is no file name: reading stops before it.
inline constexpr qint64 kAlbumMaxLineBytes = 32 * 1024;

// The album's text: the entries in use, at most list_capacity, each followed by CR LF.
QString album_text(const PlayList& list);

// Replaces the file with the album text, in CP932, or UTF-8 with a BOM when a name has a
// character CP932 lacks. On failure the old file stays whole and error says why.
bool write_album(const QString& path, const PlayList& list, QString* error = nullptr);

// The first max_lines lines of an album, unchanged (empty lines too). ok is false when the
// file could not be opened or read to the end of those lines; lines holds what was read.
struct AlbumLines {
    QStringList lines;
    bool ok = false;
};
AlbumLines read_album(const QString& path, int max_lines);
