#include "preview_lines.h"

#include "line_ends.h"
#include "text_lines.h"

#include <QFile>

PreviewLines read_preview_lines(QIODevice& device)
{
    PreviewLines preview;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        preview.error = {FileFailure::Other, device.errorString()};
        return preview;
    }
    // One byte past the bound tells whether the file goes on beyond it.
    QByteArray head;
    if (FileError error = read_up_to(device, kPreviewMaxBytes + 1, head); !error.ok()) {
        preview.error = error;
        return preview;
    }
    // The end of the last line shown, its line end included.
    qsizetype end = 0;
    int count = 0;
    for_each_line(head, [&](const ByteLine& line) {
        end = line.next;
        return ++count < kPreviewLines;
    });
    if (end > kPreviewMaxBytes) {
        preview.result = PreviewLines::Result::TooLong;
        return preview;
    }
    head.truncate(end);
    TextLines read = text_lines(std::move(head), {kPreviewLines, kPreviewMaxLineBytes, -1, false}, true);
    preview.result = read.line_too_long ? PreviewLines::Result::TooLong : PreviewLines::Result::Shown;
    preview.lines = std::move(read.lines);
    return preview;
}
PreviewLines read_preview_lines(const QString& path)
{
    QFile file;
    const FileError error = open_regular_file(file, path);
    return error.ok() ? read_preview_lines(file) : PreviewLines{PreviewLines::Result::CannotRead, {}, error};
}
