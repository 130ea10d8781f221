#pragma once
// The first lines of a file for the preview field, read within fixed bounds so that no
// file, however large or however long its lines, holds up the window.

#include <QStringList>

// What the preview field takes: the first 200 lines, no line of more than 64 KiB, and
// at most 128 KiB of the file for all of them (line ends included). A file past either
// bound is refused; reading never goes past the 128 KiB.
inline constexpr int kPreviewLines = 200;
inline constexpr qint64 kPreviewMaxLineBytes = 64 * 1024;
inline constexpr qint64 kPreviewMaxBytes = 128 * 1024;

struct PreviewLines {
    enum class Result { Shown, CannotRead, TooLong };
    Result result = Result::CannotRead;
    QStringList lines; // for Shown
};

PreviewLines read_preview_lines(const QString& path);
