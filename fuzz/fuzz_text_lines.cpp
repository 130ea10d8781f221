// Fuzzes the bounded line reader with code-page detection, and the text codec under it.
// The input is one byte for the line count bound, one for the line length bound, one for the
// most bytes a read of the device gives (0: no limit; bit 0x40: stop at an empty line), then the file's
// bytes. Properties: the reader returns exactly the lines that the line rule finds in the raw bytes, up to
// the bounds, decoded in the code page the bytes call for; it stops before the first line over the length
// bound and says so; a text written by encode_text reads back unchanged; the UTF-8 check agrees with the
// UTF-8 decoder, and a valid UTF-8 file stays valid UTF-8 when cut anywhere and judged as the start of a
// file; text for the player reads back as the text with its look-alikes mapped, or names a character CP932
// lacks.

#include "fuzz_check.h"
#include "text_codec.h"
#include "text_lines.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// The line rule on text, written apart from the program's own to check it.
QStringList text_lines_of(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

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

// The next line of the raw bytes from start by the program's rule (CR LF, a lone CR or a
// lone LF ends a line): its length, and where the line after it starts.
struct ByteLine {
    qsizetype length;
    qsizetype next;
};

ByteLine byte_line(const QByteArray& bytes, qsizetype start)
{
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype stop = start;
    while (stop < size && data[stop] != '\r' && data[stop] != '\n')
        ++stop;
    if (stop == size)
        return {size - start, size};
    return {stop - start, stop + (data[stop] == '\r' && stop + 1 < size && data[stop + 1] == '\n' ? 2 : 1)};
}

void check_reader(const QByteArray& bytes, int max_lines, qint64 max_line_bytes, qint64 step,
                  bool stop_at_empty)
{
    TrickleDevice device(bytes, step);
    FUZZ_CHECK(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const TextLines result =
        read_text_lines(device, LineBounds{max_lines, max_line_bytes, -1, stop_at_empty});
    FUZZ_CHECK(result.error.ok());

    int count = 0;
    qsizetype end = 0;
    bool too_long = false;
    while (end < bytes.size() && (max_lines < 0 || count < max_lines)) {
        const ByteLine line = byte_line(bytes, end);
        if (max_line_bytes >= 0 && line.length > max_line_bytes) {
            too_long = true;
            break;
        }
        const bool bom_only = count == 0 && line.length == 3 && bytes.startsWith("\xEF\xBB\xBF");
        if (stop_at_empty && (line.length == 0 || bom_only))
            break;
        ++count;
        end = line.next;
    }
    FUZZ_CHECK_EQ(result.line_too_long, too_long);
    // The bytes of the lines, the LF of a last CR LF perhaps not yet looked at.
    const QByteArray taken = bytes.first(end);
    FUZZ_CHECK(result.bytes == taken || result.bytes + '\n' == taken);
    // A CR that a decoder swallowed into a broken character would merge two lines, a byte it
    // dropped could lose the last line. Only a file of nothing but a BOM is no line at all.
    if (taken != "\xEF\xBB\xBF")
        FUZZ_CHECK_EQ(result.lines.size(), qsizetype(count));

    // The reader may stop before it has seen the end of the bytes; the code page is then
    // judged on those it has read as the start of a file.
    const QByteArray seen = bytes.first(device.consumed());
    const QStringList as_start = text_lines_of(decode_as(taken, detect_text_codec(seen, false)));
    if (result.lines != as_start)
        FUZZ_CHECK_EQ(result.lines, text_lines_of(decode_as(taken, detect_text_codec(bytes, true))));
}

void check_codec(const QByteArray& bytes, qsizetype cut)
{
    const bool valid = is_valid_utf8(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    FUZZ_CHECK_EQ(valid, !utf8.hasError());
    if (valid) {
        FUZZ_CHECK(is_valid_utf8(bytes, false));
        FUZZ_CHECK(is_valid_utf8(bytes.first(cut), false));
    }
    const QString text = decode_text(bytes);
    FUZZ_CHECK_EQ(decode_text(encode_text(text)), text);
    if (decoded != text)
        FUZZ_CHECK_EQ(decode_text(encode_text(decoded)), decoded);
    QString refused;
    const std::optional<QByteArray> player = encode_for_player(text, &refused);
    if (player) {
        FUZZ_CHECK(refused.isEmpty());
        const QString back = cp932_decode(*player);
        FUZZ_CHECK_EQ(back.size(), text.size());
        for (qsizetype i = 0; i < text.size(); ++i)
            FUZZ_CHECK(back[i] == text[i]
                       || QStringView(u"\u301C\u2016\u2212\u00A2\u00A3\u00AC\u2014").contains(text[i]));
    } else {
        FUZZ_CHECK(!refused.isEmpty());
        FUZZ_CHECK(!cp932_encode(refused));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    // 255 means no bound (the whole file); small bounds are the interesting ones.
    const int max_lines = data[0] == 0xFF ? -1 : data[0] % 16;
    const qint64 max_line_bytes = data[1] == 0xFF ? -1 : data[1];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    // Short reads fall anywhere in a small file; a large one is read in at most about 64 of
    // them, so that it costs no more than a few thousand small ones would.
    const qint64 step = data[2] % 64 == 0 ? std::numeric_limits<qint64>::max()
                                          : std::max<qint64>(1 + data[2] % 16, bytes.size() / 64);
    const bool stop_at_empty = (data[2] & 0x40) != 0;

    check_reader(bytes, max_lines, max_line_bytes, step, stop_at_empty);
    check_codec(bytes, bytes.isEmpty() ? 0 : data[0] % (bytes.size() + 1));
    return 0;
}
