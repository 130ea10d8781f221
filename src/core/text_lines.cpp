#include "text_lines.h"

#include "atomic_file.h"
#include "line_ends.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr qint64 kFirstChunkBytes = 1024;
constexpr qint64 kChunkBytes = 64 * 1024;

// Calls add(start, length) for each line of data[0, size) by the line rule.
template <typename Char, typename Add>
void for_each_line(const Char* data, qsizetype size, Add add)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const Char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        add(start, i - start);
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        add(start, size - start);
}

struct Span {
    qsizetype start;
    qsizetype length;
};

// The lines of the bytes, each decoded on its own: no pass over a decoded copy of them all.
// A BOM starts the text only at the start of the file; elsewhere it is a character.
QStringList decode_lines(const QByteArray& bytes, const QList<Span>& spans, TextCodec codec)
{
    QStringList lines;
    lines.reserve(spans.size());
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const qsizetype bom = codec == TextCodec::Utf8 && bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (const Span& span : spans) {
        const qsizetype skip = span.start == 0 ? std::min(bom, span.length) : 0;
        const QByteArrayView line = QByteArrayView(bytes).sliced(span.start + skip, span.length - skip);
        lines.append(codec == TextCodec::Utf8 ? QString(utf8.decode(line)) : decode_as(line, codec));
    }
    // A file of nothing but a BOM holds no line.
    if (lines.size() == 1 && lines[0].isEmpty() && bom == bytes.size() && bom > 0)
        lines.clear();
    return lines;
}

} // namespace

QStringList split_text_lines(QStringView text)
{
    QStringList lines;
    for_each_line(text.utf16(), text.size(), [&](qsizetype start, qsizetype length) {
        lines.append(text.sliced(start, length).toString());
    });
    return lines;
}

QByteArrayList split_byte_lines(QByteArrayView bytes)
{
    QByteArrayList lines;
    for_each_line(bytes.data(), bytes.size(), [&](qsizetype start, qsizetype length) {
        lines.append(bytes.sliced(start, length).toByteArray());
    });
    return lines;
}

TextLines read_text_lines(QIODevice& device, const LineBounds& bounds)
{
    TextLines result;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        result.error = {FileFailure::Other, device.errorString()};
        return result;
    }
    // CR and LF never occur inside a multibyte character of UTF-8 or CP932, so the lines
    // can be found in the raw bytes before the code page is known.
    QByteArray bytes;
    qsizetype line_start = 0; // start of the line not yet complete
    qsizetype lines_end = 0;  // end of the bytes of the complete lines
    qsizetype scan = 0;       // where the search for the next line end goes on
    LineEndFinder finder;
    QList<Span> spans;     // the lines found
    bool after_cr = false; // the last line ended in a CR, whose LF may come next
    int count = 0;
    bool at_end = false;
    const auto too_long = [&](qsizetype length) {
        return bounds.max_line_bytes >= 0 && length > bounds.max_line_bytes;
    };
    // Whether the line from line_start to end holds nothing; a first line of nothing but a
    // UTF-8 BOM holds nothing either.
    const auto empty_line = [&](qsizetype end) {
        return end == (line_start == 0 && bytes.startsWith("\xEF\xBB\xBF") ? 3 : line_start);
    };
    while (bounds.max_lines < 0 || count < bounds.max_lines) {
        if (after_cr && line_start < bytes.size()) {
            after_cr = false;
            if (bytes[line_start] == '\n')
                scan = lines_end = ++line_start;
        }
        const qsizetype end = after_cr ? -1 : finder.find(bytes, scan);
        if (end >= 0) {
            if (too_long(end - line_start)) {
                result.line_too_long = true;
                break;
            }
            if (bounds.stop_at_empty_line && empty_line(end))
                break;
            ++count;
            spans.append({line_start, end - line_start});
            after_cr = bytes[end] == '\r';
            scan = line_start = lines_end = end + 1;
            continue;
        }
        if (too_long(bytes.size() - line_start)) {
            result.line_too_long = true;
            break;
        }
        if (at_end) {
            if (bytes.size() > line_start && !(bounds.stop_at_empty_line && empty_line(bytes.size()))) {
                ++count;
                spans.append({line_start, bytes.size() - line_start});
                lines_end = bytes.size();
            }
            break;
        }
        // Small reads first, so a small file costs a small buffer.
        qint64 want = std::clamp<qint64>(bytes.size(), kFirstChunkBytes, kChunkBytes);
        if (bounds.max_total_bytes >= 0) {
            // One byte past the bound tells a file that goes on beyond it.
            want = std::min<qint64>(want, bounds.max_total_bytes + 1 - bytes.size());
            if (want <= 0) {
                result.error = file_error(FileFailure::TooLarge);
                return result;
            }
        }
        const qsizetype old_size = bytes.size();
        // Room that grows by doubling, so a device that hands out a few bytes a read does not
        // cost a new buffer every time.
        if (bytes.capacity() < old_size + want)
            bytes.reserve(std::max<qsizetype>(2 * bytes.capacity(), old_size + want));
        bytes.resize(old_size + want);
        const qint64 got = device.read(bytes.data() + old_size, want);
        if (got < 0) {
            result.error = {FileFailure::Other, device.errorString()};
            return result;
        }
        bytes.resize(old_size + got);
        scan = std::max(scan, old_size);
        at_end = got == 0;
    }
    result.codec = detect_text_codec(bytes, at_end);
    result.bytes = bytes.left(lines_end);
    result.lines = decode_lines(result.bytes, spans, result.codec);
    result.ok = true;
    return result;
}

TextLines read_text_lines(QIODevice& device, int max_lines, qint64 max_line_bytes)
{
    return read_text_lines(device, LineBounds{max_lines, max_line_bytes, -1, false});
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
