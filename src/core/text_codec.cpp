#include "text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

const char kCp932Name[] = "windows-31j";
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool has_non_ascii(const QByteArray& bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// Length of the bytes without a multibyte sequence that the end of the bytes cuts short.
qsizetype without_cut_sequence(const QByteArray& bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for its lead byte
        if (byte < 0xC2 || byte > 0xF4)
            return size; // cannot start a sequence: judged as it stands
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        return length > back ? size - back : size;
    }
    return size;
}

QString decode_cp932(const QByteArray& bytes)
{
    QStringDecoder decoder(kCp932Name);
    // A Qt without ICU (Windows builds) has no CP932 converter by name; there the system's
    // ANSI code page is the code page the files are in.
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    // A lead byte at the very end waits in the decoder for its second byte and would be
    // lost, and with it a last line of one broken character. A line end cannot be a second
    // byte, so one more LF turns the waiting byte into a substitute like any other bad byte.
    QString text = decoder.decode(bytes);
    text += decoder.decode(QByteArrayView("\n"));
    text.chop(1);
    return text;
}

std::optional<QByteArray> encode_cp932(const QString& text)
{
    QStringEncoder encoder(kCp932Name);
    QByteArray bytes;
    if (encoder.isValid()) {
        bytes = encoder.encode(text);
        if (encoder.hasError())
            return std::nullopt;
    } else {
        bytes = text.toLocal8Bit();
    }
    // Catches look-alike mappings as well as substitutes.
    if (decode_cp932(bytes) != text)
        return std::nullopt;
    return bytes;
}

} // namespace

bool is_valid_utf8(const QByteArray& bytes, bool complete)
{
    const QByteArray judged = complete ? bytes : bytes.left(without_cut_sequence(bytes));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(judged); // the decoding runs on conversion
    return !decoder.hasError();
}

TextCodec detect_text_codec(const QByteArray& bytes, bool complete)
{
    if (bytes.startsWith(kUtf8Bom))
        return TextCodec::Utf8;
    if (has_non_ascii(bytes) && is_valid_utf8(bytes, complete))
        return TextCodec::Utf8;
    return TextCodec::Cp932;
}

QString decode_as(const QByteArray& bytes, TextCodec codec)
{
    if (codec == TextCodec::Cp932)
        return decode_cp932(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes); // drops a leading BOM
}

QString decode_text(const QByteArray& bytes) { return decode_as(bytes, detect_text_codec(bytes)); }

bool cp932_can_encode(const QString& text) { return encode_cp932(text).has_value(); }

QByteArray encode_text(const QString& text)
{
    // CP932 bytes that happen to be valid UTF-8 would be read back as UTF-8: such a text
    // goes out as UTF-8 as well.
    if (const auto cp932 = encode_cp932(text); cp932 && decode_text(*cp932) == text)
        return *cp932;
    return kUtf8Bom + text.toUtf8();
}
