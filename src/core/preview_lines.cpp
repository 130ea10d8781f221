#include "preview_lines.h"

#include "text_lines.h"

#include <QBuffer>
#include <QFile>

namespace {

// The length of the bytes up to the end of the max_lines-th line (its line end included),
// or of all bytes when they hold fewer lines. A CR ends a line, and the LF right after it
// belongs to that line end; neither byte occurs inside a character of UTF-8 or CP932.
qsizetype end_of_lines(const QByteArray& bytes, int max_lines)
{
    int count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (++count == max_lines)
            return i + 1;
    }
    return bytes.size();
}

} // namespace

PreviewLines read_preview_lines(const QString& path)
{
    PreviewLines preview;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return preview;
    // One byte past the bound tells whether the file goes on beyond it.
    QByteArray head = file.read(kPreviewMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return preview;
    const qsizetype end = end_of_lines(head, kPreviewLines);
    if (end > kPreviewMaxBytes) {
        preview.result = PreviewLines::Result::TooLong;
        return preview;
    }
    head.truncate(end);
    QBuffer buffer(&head);
    TextLines read = read_text_lines(buffer, kPreviewLines, kPreviewMaxLineBytes);
    if (read.line_too_long)
        preview.result = PreviewLines::Result::TooLong;
    else if (read.ok)
        preview.result = PreviewLines::Result::Shown;
    preview.lines = std::move(read.lines);
    return preview;
}
