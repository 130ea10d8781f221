#pragma once
// Reading text files line by line (bounded, in their code page) and writing them whole.

#include "regular_file.h"
#include "text_codec.h"

#include <QByteArrayList>
#include <QIODevice>
#include <QString>
#include <QStringList>

// How far a read goes. A bound of -1 is no bound.
struct LineBounds {
    int max_lines = -1;
    qint64 max_line_bytes = -1;  // a line past this (line end not counted) stops the read
    qint64 max_total_bytes = -1; // more bytes than this in the device: the read fails (TooLarge)
    bool stop_at_empty_line = false;
};

// The lines a bounded read found, and how the read went.
struct TextLines {
    QStringList lines;
    bool line_too_long = false; // a line passed the byte bound: reading stopped before it
    FileError error;            // why the file could not be opened or read
    QByteArray bytes;           // the file's bytes of the lines returned, line ends included
    TextCodec codec = TextCodec::Cp932;
};

// The lines of bytes by the line rule (line_ends.h).
QByteArrayList split_byte_lines(QByteArrayView bytes);

// The lines of bytes within bounds (max_total_bytes aside), decoded in the code page the bytes
// show (detect_text_codec). A line over max_line_bytes stops the lines, setting line_too_long;
// with stop_at_empty_line so does the first empty line. complete: the bytes are the whole
// file; else a last line without a line end is left out.
TextLines text_lines(QByteArray bytes, const LineBounds& bounds, bool complete);

// Reads lines from device within bounds, no further than max_lines lines of max_line_bytes
// could reach, as text_lines does (the first empty line not returned). A device not open is
// opened for reading; a read of no bytes is its end.
TextLines read_text_lines(QIODevice& device, const LineBounds& bounds);
// The same on the regular file at path (see regular_file.h); anything else fails.
TextLines read_text_lines(const QString& path, const LineBounds& bounds);

// Replaces the file at path with text in its code page (encode_text). Line ends are the
// text's own. On failure the old file stays whole and error (when given) says why.
bool write_text_file(const QString& path, const QString& text, QString* error = nullptr);
