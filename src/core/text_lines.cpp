#include "text_lines.h"

#include "atomic_file.h"
#include "text_codec.h"

#include <QFile>

namespace {
constexpr qint64 kChunkBytes = 64 * 1024;
}

QStringList split_text_lines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        const qsizetype cr = text.indexOf(QLatin1Char('\r'), start);
        if (cr < 0) {
            lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, cr - start));
        start = cr + 1;
        if (start < size && text[start] == QLatin1Char('\n'))
            ++start;
    }
    return lines;
}

TextLines read_text_lines(QIODevice& device, int max_lines, qint64 max_line_bytes)
{
    TextLines result;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        result.error = device.errorString();
        return result;
    }
    // CR and LF never occur inside a multibyte character of UTF-8 or CP932, so the lines
    // can be found in the raw bytes before the code page is known.
    QByteArray bytes;
    qsizetype line_start = 0; // start of the line not yet complete
    qsizetype lines_end = 0;  // end of the bytes of the complete lines
    qsizetype scan = 0;       // where the search for the next CR goes on
    int count = 0;
    bool at_end = false;
    const auto too_long = [&](qsizetype length) { return max_line_bytes >= 0 && length > max_line_bytes; };
    while (max_lines < 0 || count < max_lines) {
        // A LF right after the CR that ended the previous line belongs to that line end.
        if (count > 0 && line_start == lines_end && line_start < bytes.size() && bytes[line_start] == '\n')
            scan = ++line_start;
        const qsizetype cr = bytes.indexOf('\r', scan);
        if (cr >= 0) {
            if (too_long(cr - line_start)) {
                result.line_too_long = true;
                break;
            }
            ++count;
            scan = line_start = lines_end = cr + 1;
            continue;
        }
        if (too_long(bytes.size() - line_start)) {
            result.line_too_long = true;
            break;
        }
        if (at_end) {
            if (bytes.size() > line_start) {
                ++count;
                lines_end = bytes.size();
            }
            break;
        }
        const qsizetype old_size = bytes.size();
        bytes.resize(old_size + kChunkBytes);
        const qint64 got = device.read(bytes.data() + old_size, kChunkBytes);
        if (got < 0) {
            result.error = device.errorString();
            return result;
        }
        bytes.resize(old_size + got);
        scan = old_size;
        at_end = got == 0;
    }
    const TextCodec codec = detect_text_codec(bytes, at_end);
    result.lines = split_text_lines(decode_as(bytes.left(lines_end), codec));
    result.ok = true;
    return result;
}

TextLines read_text_lines(const QString& path, int max_lines, qint64 max_line_bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TextLines result;
        result.error = file.errorString();
        return result;
    }
    return read_text_lines(file, max_lines, max_line_bytes);
}

bool write_text_file(const QString& path, const QString& text, QString* error)
{
    return write_file_atomically(path, encode_text(text), error);
}
