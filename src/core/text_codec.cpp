#include "text_codec.h"

#include "cp932.h"

#include <QStringDecoder>
#include <QtCore/qstringalgorithms.h>

#include <cstring>

namespace {

const QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

QChar cp932_lookalike(QChar c)
{
    switch (c.unicode()) {
    case 0x301C:
        return QChar(0xFF5E);
    case 0x2016:
        return QChar(0x2225);
    case 0x2212:
        return QChar(0xFF0D);
    case 0x00A2:
        return QChar(0xFFE0);
    case 0x00A3:
        return QChar(0xFFE1);
    case 0x00AC:
        return QChar(0xFFE2);
    case 0x2014:
        return QChar(0x2015);
    default:
        return c;
    }
}

} // namespace

bool has_non_ascii(QByteArrayView bytes) { return !QtPrivate::isAscii(QLatin1StringView(bytes)); }

bool is_valid_utf8(QByteArrayView bytes, bool complete)
{
    // Well-formed sequences as Unicode defines them: no overlong forms, no surrogates,
    // nothing past U+10FFFF. One pass without building any text, so a settings file of
    // many megabytes is judged quickly.
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        if (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // bounds of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if (i + k >= size)
                return !complete;
            const unsigned char byte = p[i + k];
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
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

bool cp932_can_encode(QStringView text) { return cp932_encode(text).has_value(); }

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
    for (QChar& c : mapped)
        c = cp932_lookalike(c);
    std::optional<QByteArray> bytes = cp932_encode(mapped);
    if (!bytes && refused)
        *refused = first_non_cp932_character(mapped);
    return bytes;
}
