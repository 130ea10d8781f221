#pragma once
// The first lines of a file for the preview field, read within fixed bounds so that no
// file, however large or however long its lines, holds up the window.

#include "regular_file.h"

#include <QStringList>

// What the preview field takes: the first 200 lines, no line of more than 64 KiB, and
// at most 128 KiB of the file for all of them (line ends included). A file past either
// bound is refused; reading never goes past the 128 KiB. Lines of a usual length (a few
// hundred bytes, whichever line ends they have) stay far inside both bounds.
inline constexpr int kPreviewLines = 200;
inline constexpr qint64 kPreviewMaxLineBytes = 64 * 1024;
inline constexpr qint64 kPreviewMaxBytes = 128 * 1024;

struct PreviewLines {
    enum class Result { Shown, CannotRead, TooLong };
    Result result = Result::CannotRead;
    QStringList lines; // for Shown
    FileError error;   // for CannotRead: missing, not a regular file, no permission, other
};

// Reads from the regular file at path (a FIFO or device is never waited on).
PreviewLines read_preview_lines(const QString& path);
PreviewLines read_preview_lines(QIODevice& device);
