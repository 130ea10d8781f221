// Fuzzes the bounded line reader with code-page detection, and the text codec under it.
// The input is one byte for the line count bound, one for the line length bound, then the
// file's bytes. Properties: the reader returns exactly the lines that the line rule finds in
// the raw bytes, up to the bounds, decoded in the code page the bytes call for; it stops
// before the first line over the length bound and says so; a text written by encode_text
// reads back unchanged; a valid UTF-8 file stays valid UTF-8 when cut anywhere and judged as
// the start of a file.

#include "fuzz_check.h"
#include "text_codec.h"
#include "text_lines.h"

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

// The lines of the raw bytes by the program's rule (CR LF or a lone CR ends a line), each as
// the end offset of the line including its CR (or the end of the bytes), and its length.
struct ByteLine {
    qsizetype length;
    qsizetype end;
};

QList<ByteLine> byte_lines(const QByteArray& bytes)
{
    QList<ByteLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype cr = bytes.indexOf('\r', start);
        if (cr < 0) {
            lines.append({bytes.size() - start, bytes.size()});
            break;
        }
        lines.append({cr - start, cr + 1});
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

void check_reader(const QByteArray& bytes, int max_lines, qint64 max_line_bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    const TextLines result = read_text_lines(buffer, max_lines, max_line_bytes);
    FUZZ_CHECK(result.ok);

    int count = 0;
    qsizetype end = 0;
    bool too_long = false;
    for (const ByteLine& line : byte_lines(bytes)) {
        if (max_lines >= 0 && count == max_lines)
            break;
        if (max_line_bytes >= 0 && line.length > max_line_bytes) {
            too_long = true;
            break;
        }
        ++count;
        end = line.end;
    }
    FUZZ_CHECK_EQ(result.line_too_long, too_long);
    // A CR that a decoder swallowed into a broken character would merge two lines, a byte it
    // dropped could lose the last line. Only a file of nothing but a BOM is no line at all.
    const QByteArray taken = bytes.first(end);
    if (taken != "\xEF\xBB\xBF")
        FUZZ_CHECK_EQ(result.lines.size(), qsizetype(count));

    // The reader may stop before it has seen the end of the bytes; the code page is then
    // judged on them as the start of a file.
    const QStringList as_whole = split_text_lines(decode_as(taken, detect_text_codec(bytes, true)));
    const QStringList as_start = split_text_lines(decode_as(taken, detect_text_codec(bytes, false)));
    if (result.lines != as_start)
        FUZZ_CHECK_EQ(result.lines, as_whole);
}

void check_codec(const QByteArray& bytes, qsizetype cut)
{
    const bool valid = is_valid_utf8(bytes);
    if (valid) {
        FUZZ_CHECK(is_valid_utf8(bytes, false));
        FUZZ_CHECK(is_valid_utf8(bytes.first(cut), false));
    }
    for (const QString& text : {decode_text(bytes), QString::fromUtf8(bytes)})
        FUZZ_CHECK_EQ(decode_text(encode_text(text)), text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // 255 means no bound; small bounds are the interesting ones.
    const int max_lines = data[0] == 0xFF ? -1 : data[0] % 16;
    const qint64 max_line_bytes = data[1] == 0xFF ? -1 : data[1];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));

    check_reader(bytes, max_lines, max_line_bytes);
    check_reader(bytes, -1, -1);
    check_codec(bytes, bytes.isEmpty() ? 0 : data[0] % (bytes.size() + 1));
    return 0;
}
