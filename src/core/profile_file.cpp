#include "profile_file.h"

#include "atomic_file.h"
#include "text_codec.h"

#include <QFile>
#include <QStringView>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Only spaces and tabs, as the profile functions do: an ideographic space is content.
QStringView trimmed(QStringView text)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool same_name(QStringView a, QStringView b)
{
    return trimmed(a).compare(trimmed(b), Qt::CaseInsensitive) == 0;
}

// One line of a profile file as far as lookups care.
struct Line {
    enum Kind { Other, Section, Key } kind = Other;
    QStringView name;  // section or key name, trimmed
    QStringView value; // key value, trimmed
};

Line parse_line(QStringView text)
{
    Line line;
    const QStringView body = trimmed(text);
    if (body.startsWith(QLatin1Char('['))) {
        const qsizetype close = body.lastIndexOf(QLatin1Char(']'));
        line.kind = Line::Section;
        line.name = trimmed(close > 0 ? body.sliced(1, close - 1) : body.sliced(1));
    } else if (!body.startsWith(QLatin1Char(';'))) {
        const qsizetype equals = body.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            line.kind = Line::Key;
            line.name = trimmed(body.first(equals));
            line.value = trimmed(body.sliced(equals + 1));
        }
    }
    return line;
}

// Calls visit(index, line) for each line until it returns false. Lines end at CR, LF or
// CR LF. One pass and no list of lines, so ten million line ends cost no more than the text.
template <typename Visit>
void for_each_line(const QString& text, Visit visit)
{
    qsizetype start = 0, index = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        if (!visit(index++, QStringView(text).sliced(start, i - start)))
            return;
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        visit(index, QStringView(text).sliced(start));
}

QString decode_profile(const QByteArray& bytes)
{
    return decode_as(bytes, is_valid_utf8(bytes) ? TextCodec::Utf8 : TextCodec::Cp932);
}

// The first max_bytes UTF-8 bytes of text, never half a character.
QString cut_to_bytes(const QString& text, qsizetype max_bytes)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= max_bytes)
        return text;
    qsizetype end = max_bytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return QString::fromUtf8(utf8.first(end));
}

QString unquoted(QStringView value)
{
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        value = value.sliced(1, value.size() - 2);
    return value.toString();
}

// Text that fits on one line of the file and survives the read.
bool storable(QStringView text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) && !text.contains(QChar(0));
}

} // namespace

QString profile_value(const QByteArray& bytes, const QString& section, const QString& key,
                      const QString& fallback)
{
    const QString text = decode_profile(bytes);
    bool in_section = false;
    std::optional<QString> found;
    for_each_line(text, [&](qsizetype, QStringView line_text) {
        const Line line = parse_line(line_text);
        if (line.kind == Line::Section) {
            if (in_section)
                return false; // past the end of the first section of that name
            in_section = same_name(line.name, section);
        } else if (in_section && line.kind == Line::Key && same_name(line.name, key)) {
            found = unquoted(line.value);
            return false;
        }
        return true;
    });
    if (!found)
        return fallback;
    // The Windows call hands the value over as a NUL-terminated string.
    if (const qsizetype nul = found->indexOf(QChar(0)); nul >= 0)
        found->truncate(nul);
    return cut_to_bytes(*found, kProfileValueBytes);
}

std::optional<QByteArray> profile_with_value(const QByteArray& bytes, const QString& section,
                                             const QString& key, const QString& value)
{
    const QStringView name = trimmed(key);
    if (!storable(section) || !storable(key) || !storable(value) || name.isEmpty()
        || name.contains(QLatin1Char('=')) || name.startsWith(QLatin1Char(';'))
        || name.startsWith(QLatin1Char('[')))
        return std::nullopt;

    // First pass: where the section and the key are.
    const QString text = decode_profile(bytes);
    qsizetype section_at = -1, key_at = -1;
    qsizetype last_filled = -1; // the section's last line that is not blank
    for_each_line(text, [&](qsizetype index, QStringView line_text) {
        const Line line = parse_line(line_text);
        if (section_at < 0) {
            if (line.kind == Line::Section && same_name(line.name, section))
                section_at = last_filled = index;
            return true;
        }
        if (line.kind == Line::Section)
            return false;
        if (line.kind == Line::Key && same_name(line.name, key)) {
            key_at = index;
            return false;
        }
        if (!trimmed(line_text).isEmpty())
            last_filled = index;
        return true;
    });

    // Second pass: every line out again with CR LF, the key's line replaced, or added after
    // the section's last non-blank line (so blank lines before the next section stay there).
    const QByteArray key_line = (name.toString() + QLatin1Char('=') + value).toUtf8() + "\r\n";
    QByteArray out = bytes.startsWith(kUtf8Bom) && is_valid_utf8(bytes) ? kUtf8Bom : QByteArray();
    out.reserve(bytes.size() + key_line.size() + section.size() * 3 + 16);
    for_each_line(text, [&](qsizetype index, QStringView line_text) {
        out += index == key_at ? key_line : line_text.toUtf8() + "\r\n";
        if (index == last_filled && key_at < 0)
            out += key_line;
        return true;
    });
    if (section_at < 0)
        out += "[" + trimmed(section).toUtf8() + "]\r\n" + key_line;
    return out;
}

QString read_profile_string(const QString& path, const QString& section, const QString& key,
                            const QString& fallback)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fallback;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fallback;
    return profile_value(bytes, section, key, fallback);
}

bool write_profile_string(const QString& path, const QString& section, const QString& key,
                          const QString& value)
{
    QByteArray old;
    if (QFile file(path); file.exists()) {
        // An existing file that cannot be read must not be replaced by one holding only this key.
        if (!file.open(QIODevice::ReadOnly))
            return false;
        old = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return false;
    }
    const std::optional<QByteArray> bytes = profile_with_value(old, section, key, value);
    return bytes && write_file_atomically(path, *bytes);
}
