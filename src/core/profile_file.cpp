#include "profile_file.h"

#include "line_ends.h"
#include "messages.h"

#include <QStringDecoder>
#include <QStringView>

namespace {

// Only spaces and tabs, as the profile functions do: an ideographic space is content.
bool blank(char c) { return c == ' ' || c == '\t'; }
bool blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

template <typename View>
View trimmed(View text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Bytes of the file in its code page to text.
QString decode_piece(QByteArrayView bytes, TextCodec codec)
{
    if (codec == TextCodec::Cp932)
        return cp932_decode(bytes);
    // Within the file a BOM is a character like any other (the file's own is skipped before).
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// One line of a profile file as far as lookups care.
struct Line {
    enum Kind { Other, Section, Key } kind = Other;
    QByteArrayView body;  // a section line without the blanks around it
    QByteArrayView name;  // key name, trimmed
    QByteArrayView value; // key value, trimmed
};

// Works on the raw bytes: "[", ";", "=", blanks, CR and LF are never part of a multibyte
// character of CP932 or UTF-8 where they are looked for here.
Line parse_line(QByteArrayView text)
{
    Line line;
    const QByteArrayView body = trimmed(text);
    if (body.startsWith('[')) {
        line.kind = Line::Section;
        line.body = body;
    } else if (!body.startsWith(';')) {
        const qsizetype equals = body.indexOf('=');
        if (equals >= 0) {
            line.kind = Line::Key;
            line.name = trimmed(body.first(equals));
            line.value = trimmed(body.sliced(equals + 1));
        }
    }
    return line;
}

// A section line names its section up to the last "]" (a "]" byte may be half a CP932
// character, so the text is decoded first).
bool names_section(QByteArrayView body, const QString& wanted, TextCodec codec)
{
    const QString text = decode_piece(body, codec);
    const qsizetype close = text.lastIndexOf(QLatin1Char(']'));
    const QStringView name = close > 0 ? QStringView(text).sliced(1, close - 1) : QStringView(text).sliced(1);
    return folded_profile_name(name) == wanted;
}

// The value as a read gives it: one pair of matching quotes removed, cut at a NUL (the
// Windows call hands it over as a NUL-terminated string); nothing when it is too long.
std::optional<QString> read_value(QByteArrayView raw, TextCodec codec)
{
    if (raw.size() >= 2 && raw.front() == raw.back() && (raw.front() == '"' || raw.front() == '\''))
        raw = raw.sliced(1, raw.size() - 2);
    if (const qsizetype nul = raw.indexOf('\0'); nul >= 0)
        raw.truncate(nul);
    // No character takes more than three bytes of a UTF-16 unit.
    if (raw.size() > 3 * kProfileValueMaxChars)
        return std::nullopt;
    QString value = decode_piece(raw, codec);
    if (value.size() > kProfileValueMaxChars)
        return std::nullopt;
    return value;
}

qsizetype text_start(QByteArrayView bytes, TextCodec codec)
{
    return codec == TextCodec::Utf8 && bytes.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
}

bool one_line(QStringView text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) && !text.contains(QChar(0));
}

// The value as written: inside double quotes where a read would otherwise take something
// off its edges.
QString stored_value(const QString& value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.front(), last = value.back();
    const bool quoted =
        value.size() >= 2 && first == last && (first == QLatin1Char('"') || first == QLatin1Char('\''));
    if (blank(first) || blank(last) || quoted)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

// The line end of the file's first line; CR LF when the file has none.
QByteArrayView first_line_end(QByteArrayView bytes)
{
    QByteArrayView end("\r\n");
    for_each_line(bytes, [&](const ByteLine& line) {
        if (line.next > line.end)
            end = bytes.sliced(line.end, line.next - line.end);
        return false;
    });
    return end;
}

} // namespace

QString folded_profile_name(QStringView name) { return trimmed(name).toString().toCaseFolded(); }

TextCodec profile_codec(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? TextCodec::Utf8 : TextCodec::Cp932;
}

ProfileSection profile_section(QByteArrayView bytes, const QString& section)
{
    ProfileSection values;
    const TextCodec codec = profile_codec(bytes);
    const QString wanted_section = folded_profile_name(section);
    bool in_section = false;
    for_each_line(
        bytes,
        [&](const ByteLine& raw) {
            const Line line = parse_line(bytes.sliced(raw.begin, raw.end - raw.begin));
            if (line.kind == Line::Section) {
                if (in_section)
                    return false; // past the end of the first section of that name
                in_section = names_section(line.body, wanted_section, codec);
            } else if (in_section && line.kind == Line::Key) {
                const QString name = folded_profile_name(decode_piece(line.name, codec));
                if (!values.contains(name))
                    values.insert(name, read_value(line.value, codec));
            }
            return true;
        },
        text_start(bytes, codec));
    return values;
}

QString profile_value(const ProfileSection& values, const QString& key, const QString& fallback)
{
    return values.value(folded_profile_name(key)).value_or(fallback);
}

QString profile_value(QByteArrayView bytes, const QString& section, const QString& key,
                      const QString& fallback)
{
    return profile_value(profile_section(bytes, section), key, fallback);
}

ProfileRefusal profile_entry_refusal(const QString& section, const QString& key, const QString& value)
{
    const QStringView name = trimmed(QStringView(key));
    if (!one_line(section) || !one_line(key) || !one_line(value))
        return ProfileRefusal::NotOneLine;
    if (name.isEmpty() || name.contains(QLatin1Char('=')) || name.startsWith(QLatin1Char(';'))
        || name.startsWith(QLatin1Char('[')))
        return ProfileRefusal::BadKey;
    if (value.size() > kProfileValueMaxChars)
        return ProfileRefusal::ValueTooLong;
    return ProfileRefusal::None;
}

ProfileWrite profile_with_value(QByteArrayView bytes, const QString& section, const QString& key,
                                const QString& value)
{
    ProfileWrite result;
    result.refusal = profile_entry_refusal(section, key, value);
    if (!result.ok())
        return result;

    // The new text in the file's own code page; a character it lacks is refused rather than
    // written in another code page, which would garble the line for every reader.
    const TextCodec codec = profile_codec(bytes);
    const auto encode = [&](const QString& text) -> std::optional<QByteArray> {
        if (codec == TextCodec::Utf8)
            return text.toUtf8();
        std::optional<QByteArray> encoded = cp932_encode(text);
        if (!encoded) {
            result.refusal = ProfileRefusal::NotInCodePage;
            result.character = first_non_cp932_character(text);
        }
        return encoded;
    };
    const std::optional<QByteArray> key_line =
        encode(trimmed(QStringView(key)).toString() + QLatin1Char('=') + stored_value(value));
    if (!key_line)
        return result;

    // Where the section and the key are.
    const QString wanted_section = folded_profile_name(section), wanted_key = folded_profile_name(key);
    bool section_found = false;
    std::optional<ByteLine> key_at;
    ByteLine last_filled; // the section's last line that is not blank
    for_each_line(
        bytes,
        [&](const ByteLine& raw) {
            const QByteArrayView text = bytes.sliced(raw.begin, raw.end - raw.begin);
            const Line line = parse_line(text);
            if (!section_found) {
                if (line.kind == Line::Section && names_section(line.body, wanted_section, codec)) {
                    section_found = true;
                    last_filled = raw;
                }
                return true;
            }
            if (line.kind == Line::Section)
                return false;
            if (line.kind == Line::Key && folded_profile_name(decode_piece(line.name, codec)) == wanted_key) {
                key_at = raw;
                return false;
            }
            if (!trimmed(text).isEmpty())
                last_filled = raw;
            return true;
        },
        text_start(bytes, codec));
    const QByteArray line_end = first_line_end(bytes).toByteArray();

    // Only the key's line changes, or one line or section is added; every other byte stays.
    QByteArray out;
    if (key_at) {
        out = bytes.first(key_at->begin).toByteArray() + *key_line + bytes.sliced(key_at->end).toByteArray();
    } else if (section_found) {
        // After the section's last filled line, so blank lines before the next section stay.
        QByteArray added = *key_line + line_end;
        if (last_filled.next == last_filled.end) // the file's last line, without a line end
            added.prepend(line_end);
        out = bytes.first(last_filled.next).toByteArray() + added
              + bytes.sliced(last_filled.next).toByteArray();
    } else {
        const std::optional<QByteArray> section_line =
            encode(QLatin1Char('[') + trimmed(QStringView(section)).toString() + QLatin1Char(']'));
        if (!section_line)
            return result;
        out = bytes.toByteArray();
        if (out.size() > text_start(bytes, codec) && !out.endsWith('\r') && !out.endsWith('\n'))
            out += line_end;
        out += *section_line + line_end + *key_line + line_end;
    }
    // The new line's CP932 bytes may have been all that made the file not UTF-8.
    if (codec == TextCodec::Cp932 && profile_codec(out) == TextCodec::Utf8 && has_non_ascii(out)) {
        result.refusal = ProfileRefusal::CodePageWouldChange;
        return result;
    }
    result.bytes = std::move(out);
    return result;
}

static_assert(std::size(kProfileRefusalReasons) == std::size_t(ProfileRefusal::CodePageWouldChange) + 1);

QString profile_refusal_text(const ProfileWrite& write)
{
    const QString& text = text_of(kProfileRefusalReasons, write.refusal);
    if (write.refusal == ProfileRefusal::ValueTooLong)
        return text.arg(kProfileValueMaxChars);
    if (write.refusal == ProfileRefusal::NotInCodePage)
        return text.arg(write.character);
    return text;
}
