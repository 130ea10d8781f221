// Fuzzes the bounded line reader with code-page detection, and the text codec under it.
// The input is one byte for the line count bound, one for the line length bound, one for the
// most bytes a read of the device gives (0: no limit), then the file's bytes. Properties: the reader returns
// exactly the lines that the line rule finds in the raw bytes, up to the bounds, decoded in the code page the
// bytes call for; it stops before the first line over the length bound and says so; a text written by
// encode_text reads back unchanged; a valid UTF-8 file stays valid UTF-8 when cut anywhere and judged as the
// start of a file.

#include "fuzz_check.h"
#include "text_codec.h"
#include "text_lines.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// A file that hands out at most step bytes a read, as a pipe or a slow disk may: the reader
// must find the same lines whichever way its reads fall.
class TrickleDevice : public QIODevice {
public:
    TrickleDevice(const QByteArray& bytes, qint64 step) : m_bytes(bytes), m_step(step) {}
    qint64 consumed() const { return m_at; }

protected:
    qint64 readData(char* data, qint64 max_size) override
    {
        const qint64 n = std::min({max_size, m_step, qint64(m_bytes.size()) - m_at});
        std::memcpy(data, m_bytes.constData() + m_at, size_t(n));
        m_at += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_step;
    qint64 m_at = 0;
};

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

void check_reader(const QByteArray& bytes, int max_lines, qint64 max_line_bytes, qint64 step)
{
    TrickleDevice device(bytes, step);
    FUZZ_CHECK(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const TextLines result = read_text_lines(device, max_lines, max_line_bytes);
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
    // judged on those it has read as the start of a file.
    const QByteArray seen = bytes.first(device.consumed());
    const QStringList as_whole = split_text_lines(decode_as(taken, detect_text_codec(bytes, true)));
    const QStringList as_start = split_text_lines(decode_as(taken, detect_text_codec(seen, false)));
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
    if (size < 3)
        return 0;
    // 255 means no bound; small bounds are the interesting ones.
    const int max_lines = data[0] == 0xFF ? -1 : data[0] % 16;
    const qint64 max_line_bytes = data[1] == 0xFF ? -1 : data[1];
    const qint64 step = data[2] == 0 ? std::numeric_limits<qint64>::max() : 1 + data[2] % 16;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));

    check_reader(bytes, max_lines, max_line_bytes, step);
    check_reader(bytes, -1, -1, step);
    check_codec(bytes, bytes.isEmpty() ? 0 : data[0] % (bytes.size() + 1));
    return 0;
}
