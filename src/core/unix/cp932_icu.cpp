// CP932 through the converter Qt takes from ICU ("windows-31j").
//
// That converter follows an older table in two ways that CP932 does not: it swaps the
// control codes 1A, 1C and 7F (1A reads as U+001C, 1C as U+007F, 7F as U+001A, and the
// other way round when writing), and it gives U+001A for a byte it does not know. Neither
// byte is ever the second byte of a CP932 character, so those three bytes and characters
// are handled here, and the converter's U+001A, which can then only be a substitute,
// becomes U+FFFD.

#include "text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <QtCore/qstringalgorithms.h>

#include <cstring>

namespace {

const char kName[] = "windows-31j";

bool swapped_control(char16_t c) { return c == 0x1A || c == 0x1C || c == 0x7F; }

// Opening a converter costs more than converting a line, so each thread keeps one of each,
// its state reset before every run. (Qt 6.4's converters must stay where they were made:
// the converter reports its errors to that address, so a moved one loses them.)
QStringDecoder& decoder()
{
    thread_local QStringDecoder converter(kName);
    return converter;
}

QStringEncoder& encoder()
{
    thread_local QStringEncoder converter(kName);
    return converter;
}

// One run of bytes without any of the three control codes.
QString decode_run(QStringDecoder& decoder, QByteArrayView bytes)
{
    // ASCII is itself (tune text is mostly ASCII): no converter needed.
    if (QtPrivate::isAscii(QLatin1StringView(bytes)))
        return QString::fromLatin1(bytes);
    decoder.resetState();
    // A lead byte at the very end waits in the decoder for its second byte and would be
    // lost, and with it a last line of one broken character. A line end cannot be a second
    // byte, so one more LF turns the waiting byte into a substitute like any other bad byte.
    QString text = decoder.decode(bytes);
    text += decoder.decode(QByteArrayView("\n"));
    text.chop(1);
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    return text;
}

} // namespace

QString cp932_decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (!std::memchr(bytes.data(), 0x1A, bytes.size()) && !std::memchr(bytes.data(), 0x1C, bytes.size())
        && !std::memchr(bytes.data(), 0x7F, bytes.size()))
        return decode_run(decoder(), bytes);
    QString text;
    text.reserve(bytes.size());
    QStringDecoder& runs = decoder();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && !swapped_control(static_cast<unsigned char>(bytes[i])))
            continue;
        if (i > start)
            text += decode_run(runs, bytes.sliced(start, i - start));
        if (i < bytes.size())
            text += QChar(static_cast<unsigned char>(bytes[i]));
        start = i + 1;
    }
    return text;
}

std::optional<QByteArray> cp932_encode(QStringView text)
{
    if (QtPrivate::isAscii(text))
        return text.toLatin1();
    // A character the converter lacks becomes a substitute, and some become look-alikes:
    // only bytes that read back as the same text are the characters' own. U+FFFD would read
    // back from a substitute, but CP932 has no code for it.
    if (text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    // The three control characters as the converter writes their own bytes.
    QString swapped = text.toString();
    for (QChar& c : swapped)
        c = c == u'\x1A' ? u'\x1C' : c == u'\x1C' ? u'\x7F' : c == u'\x7F' ? u'\x1A' : c;
    QStringEncoder& converter = encoder();
    converter.resetState();
    QByteArray bytes = converter.encode(swapped);
    if (cp932_decode(bytes) != text)
        return std::nullopt;
    return bytes;
}
