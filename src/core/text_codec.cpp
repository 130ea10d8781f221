#include "text_codec.h"

#include <QStringDecoder>

#include <algorithm>
#include <utility>

// What input methods type where CP932 holds the character under another code point.
constexpr std::pair<char16_t, char16_t> kCp932Lookalikes[] = {
    {0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
    {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015},
};

bool has_non_ascii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) > 0x7F; });
}

bool is_valid_utf8(QByteArrayView bytes, bool complete)
{
    if (complete)
        return bytes.isValidUtf8();
    // A sequence cut off by the end counts when the bytes it has are right: they are judged
    // with the least continuation that would complete them.
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, bytes.size()); ++back) {
        const uchar byte = uchar(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xC2 && byte <= 0xDF   ? 2
                                 : byte >= 0xE0 && byte <= 0xEF ? 3
                                 : byte >= 0xF0 && byte <= 0xF4 ? 4
                                                                : 0;
        if (length <= back)
            break;
        QByteArray tail = bytes.last(back).toByteArray();
        // The second byte of these leads has a narrower range than any continuation byte.
        if (back == 1)
            tail += byte == 0xE0 ? '\xA0' : byte == 0xF0 ? '\x90' : '\x80';
        tail += QByteArray(length - tail.size(), '\x80');
        return bytes.chopped(back).isValidUtf8() && QByteArrayView(tail).isValidUtf8();
    }
    return bytes.isValidUtf8();
}

TextCodec detect_text_codec(QByteArrayView bytes, bool complete)
{
    if (bytes.startsWith(kUtf8Bom))
        return TextCodec::Utf8;
    if (has_non_ascii(bytes) && is_valid_utf8(bytes, complete))
        return TextCodec::Utf8;
    return TextCodec::Cp932;
}

QString decode_as(QByteArrayView bytes, TextCodec codec)
{
    if (codec == TextCodec::Cp932)
        return cp932_decode(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes); // drops a leading BOM
}

QString decode_text(QByteArrayView bytes) { return decode_as(bytes, detect_text_codec(bytes)); }

QByteArray encode_text(const QString& text)
{
    // CP932 bytes that happen to be valid UTF-8 would be read back as UTF-8: such a text
    // goes out as UTF-8 as well.
    if (const auto cp932 = cp932_encode(text); cp932 && decode_text(*cp932) == text)
        return *cp932;
    return kUtf8Bom.toByteArray() + text.toUtf8();
}

QString first_non_cp932_character(QStringView text)
{
    // The longest start of the text that CP932 holds, found by halving: a few conversions
    // instead of one a character. Cuts fall between whole code points only.
    const auto cut = [&](qsizetype at) {
        return at > 0 && at < text.size() && text[at].isLowSurrogate() && text[at - 1].isHighSurrogate()
                   ? at + 1
                   : at;
    };
    qsizetype good = 0, bad = text.size(); // text.first(good) encodes, text.first(bad) does not
    if (cp932_encode(text))
        return QString();
    while (true) {
        const qsizetype middle = cut(good + (bad - good) / 2);
        if (middle <= good || middle >= bad)
            break;
        (cp932_encode(text.first(middle)) ? good : bad) = middle;
    }
    return text.sliced(good, bad - good).toString();
}

std::optional<QByteArray> encode_for_player(QStringView text, QString* refused)
{
    QString mapped = text.toString();
    for (const auto& [typed, held] : kCp932Lookalikes)
        mapped.replace(QChar(typed), QChar(held));
    std::optional<QByteArray> bytes = cp932_encode(mapped);
    if (!bytes && refused)
        *refused = first_non_cp932_character(mapped);
    return bytes;
}
