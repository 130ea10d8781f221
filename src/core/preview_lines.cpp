#include "preview_lines.h"

#include "text_lines.h"

#include <QBuffer>
#include <QFile>

namespace {

// The length of the bytes up to the end of the max_lines-th line (its line end included),
// or of all bytes when they hold fewer lines. CR LF, a lone CR and a lone LF each end a
// line; neither byte occurs inside a character of UTF-8 or CP932.
qsizetype end_of_lines(const QByteArray& bytes, int max_lines)
{
    int count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (++count == max_lines)
            return i + 1;
    }
    return bytes.size();
}

} // namespace

PreviewLines read_preview_lines(QIODevice& device)
{
    PreviewLines preview;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        preview.error = {FileFailure::Other, device.errorString()};
        return preview;
    }
    // One byte past the bound tells whether the file goes on beyond it.
    QByteArray head(kPreviewMaxBytes + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got < head.size()) {
        const qint64 read = device.read(head.data() + got, head.size() - got);
        if (read < 0) {
            preview.error = {FileFailure::Other, device.errorString()};
            return preview;
        }
        if (read == 0)
            break;
        got += read;
    }
    head.truncate(got);
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
    else
        preview.error = read.error;
    preview.lines = std::move(read.lines);
    return preview;
}

PreviewLines read_preview_lines(const QString& path)
{
    QFile file;
    if (FileError error = open_regular_file(file, path); !error.ok()) {
        PreviewLines preview;
        preview.error = error;
        return preview;
    }
    return read_preview_lines(file);
}
