#include "text_lines.h"

#include "line_ends.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <limits>

namespace {

// The lines of the bytes, each decoded on its own: no pass over a decoded copy of them all.
// A BOM starts the text only at the start of the file; elsewhere it is a character.
QStringList decode_lines(const QByteArray& bytes, const QList<ByteLine>& spans, TextCodec codec)
{
    QStringList lines;
    lines.reserve(spans.size());
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const qsizetype bom = codec == TextCodec::Utf8 && bytes.startsWith(kUtf8Bom) ? 3 : 0;
    for (const ByteLine& span : spans) {
        const qsizetype begin = span.begin == 0 ? std::min(bom, span.end) : span.begin;
        const QByteArrayView line = QByteArrayView(bytes).sliced(begin, span.end - begin);
        lines.append(codec == TextCodec::Utf8 ? QString(utf8.decode(line)) : decode_as(line, codec));
    }
    // A file of nothing but a BOM holds no line.
    if (lines.size() == 1 && lines[0].isEmpty() && bom == bytes.size() && bom > 0)
        lines.clear();
    return lines;
}

} // namespace

QByteArrayList split_byte_lines(QByteArrayView bytes)
{
    QByteArrayList lines;
    for_each_line(bytes, [&](const ByteLine& line) {
        lines.append(bytes.sliced(line.begin, line.end - line.begin).toByteArray());
        return true;
    });
    return lines;
}

TextLines text_lines(QByteArray bytes, const LineBounds& bounds, bool complete)
{
    TextLines result;
    QList<ByteLine> spans;
    qsizetype lines_end = 0;
    const qsizetype bom = bytes.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    for_each_line(bytes, [&](const ByteLine& line) {
        if (bounds.max_lines >= 0 && spans.size() >= bounds.max_lines)
            return false;
        if (bounds.max_line_bytes >= 0 && line.end - line.begin > bounds.max_line_bytes) {
            result.line_too_long = true;
            return false;
        }
        // A line the bytes cut off is no line (the bounds stop before one can be).
        if (line.end == line.next && !complete)
            return false;
        // A first line of nothing but a UTF-8 BOM holds nothing either.
        if (bounds.stop_at_empty_line && line.end == (line.begin == 0 ? bom : line.begin))
            return false;
        spans.append(line);
        lines_end = line.next;
        return true;
    });
    result.codec = detect_text_codec(bytes, complete);
    bytes.truncate(lines_end);
    result.lines = decode_lines(bytes, spans, result.codec);
    result.bytes = std::move(bytes);
    return result;
}

TextLines read_text_lines(QIODevice& device, const LineBounds& bounds)
{
    TextLines result;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        result.error = {FileFailure::Other, device.errorString()};
        return result;
    }
    QByteArray bytes;
    bool complete = true;
    if (bounds.max_total_bytes >= 0) {
        result.error = read_bounded(device, bounds.max_total_bytes, bytes);
    } else {
        // Enough for every line the bounds let through, and for a line too long to be seen as
        // one: no more is read.
        qint64 limit = std::numeric_limits<qint64>::max() - 1;
        if (bounds.max_lines >= 0 && bounds.max_line_bytes >= 0)
            limit = qint64(bounds.max_lines) * (bounds.max_line_bytes + 2);
        result.error = read_up_to(device, limit, bytes);
        complete = bytes.size() < limit;
    }
    if (!result.error.ok())
        return result;
    return text_lines(std::move(bytes), bounds, complete);
}

TextLines read_text_lines(const QString& path, const LineBounds& bounds)
{
    QFile file;
    if (FileError error = open_regular_file(file, path); !error.ok()) {
        TextLines result;
        result.error = error;
        return result;
    }
    return read_text_lines(file, bounds);
}

bool write_text_file(const QString& path, const QString& text, QString* error)
{
    return write_file_atomically(path, encode_text(text), error);
}
