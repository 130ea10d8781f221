#pragma once
// Reading text files line by line (bounded, in their code page) and writing them whole.

#include <QIODevice>
#include <QString>
#include <QStringList>

// The lines a bounded read found, and how the read went.
struct TextLines {
    QStringList lines;
    bool ok = false;            // the file could be opened and read
    bool line_too_long = false; // a line passed the byte bound: reading stopped before it
    QString error;              // why ok is false
};

// The program's line rule: a line ends at CR LF or at a lone CR, the line end not part of
// the line; a lone LF stays inside its line; a last line without a line end still counts.
// An empty text has no lines.
QStringList split_text_lines(const QString& text);

// Reads the first max_lines lines (-1: all) from device, reading only as far as they need.
// A line (without its line end) of more than max_line_bytes bytes (-1: no bound) stops the
// read; the lines before it are returned with line_too_long set. The code page is decided
// from the bytes read (detect_text_codec). A device that is not open is opened for reading;
// a read of no bytes is taken as its end (a file or a buffer, not a socket).
TextLines read_text_lines(QIODevice& device, int max_lines, qint64 max_line_bytes);
TextLines read_text_lines(const QString& path, int max_lines, qint64 max_line_bytes);

// Replaces the file at path with text in its code page (encode_text). Line ends are the
// text's own. On failure the old file stays whole and error (when given) says why.
bool write_text_file(const QString& path, const QString& text, QString* error = nullptr);
