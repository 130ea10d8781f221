#include "cp932_strict.h"

namespace {

bool is_lead_byte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool is_trail_byte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// A byte that is a character by itself: ASCII and the half-width katakana. The other bytes
// outside pairs (80, A0, FD to FF) are no character in this program, whatever a system's table
// makes of them (Windows' own table gives 80 as U+0080 and the rest as private-use characters).
bool is_single_character(unsigned char byte) { return byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF); }

// The bytes of the character at i: a lead byte with a byte that can follow it is one pair,
// whether a decoder knows the pair or not; any other byte stands alone.
qsizetype length_at(QByteArrayView bytes, qsizetype i)
{
    return is_lead_byte(bytes[i]) && i + 1 < bytes.size() && is_trail_byte(bytes[i + 1]) ? 2 : 1;
}

// Whether every byte is a single character or a lead byte with a byte that can follow it. Only
// then is the converter asked about the whole: what it does with a stray or cut byte differs
// from one system (and one system's version) to the next.
bool well_formed(QByteArrayView bytes)
{
    for (qsizetype i = 0, length = 0; i < bytes.size(); i += length) {
        length = length_at(bytes, i);
        if (length == 1 && !is_single_character(bytes[i]))
            return false;
    }
    return true;
}

// One character at a time, each byte or pair the decoder refuses becoming U+FFFD.
QString decode_by_characters(QByteArrayView bytes, const Cp932StrictDecode& decode)
{
    QString text;
    for (qsizetype i = 0, length = 0; i < bytes.size(); i += length) {
        length = length_at(bytes, i);
        std::optional<QString> character;
        if (length == 2 || is_single_character(bytes[i]))
            character = decode(bytes.sliced(i, length));
        text += character && character->size() == 1 ? *character : QString(QChar::ReplacementCharacter);
    }
    return text;
}

} // namespace

QString cp932_decode_by_pieces(QByteArrayView bytes, const Cp932StrictDecode& decode)
{
    if (bytes.isEmpty())
        return {};
    const bool whole_well_formed = well_formed(bytes);
    if (whole_well_formed) {
        if (std::optional<QString> whole = decode(bytes))
            return *whole;
    }
    // A byte below 0x40 is never the second byte of a pair, so the bytes part after every LF
    // into lines that decode on their own.
    QString text;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline + 1;
        const QByteArrayView line = bytes.sliced(start, end - start);
        const std::optional<QString> decoded =
            whole_well_formed || well_formed(line) ? decode(line) : std::nullopt;
        text += decoded ? *decoded : decode_by_characters(line, decode);
        start = end;
    }
    return text;
}

std::optional<QByteArray> cp932_encode_checked(QStringView text, const Cp932StrictEncode& encode,
                                               const Cp932StrictDecode& decode)
{
    if (text.isEmpty())
        return QByteArray();
    std::optional<QByteArray> bytes = encode(text);
    if (!bytes || !well_formed(*bytes))
        return std::nullopt;
    // Catches a look-alike the encoder chose although told not to.
    const std::optional<QString> back = decode(*bytes);
    if (!back || *back != text)
        return std::nullopt;
    return bytes;
}
