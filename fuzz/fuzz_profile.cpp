// Fuzzes the profile-file reader and writer. The input is five NUL-terminated fields
// (section, key, value, another section, another key) followed by the file's bytes.
// Properties: a read never gives more than 255 bytes or a NUL; a write that is accepted
// reads back as the value, keeps every other key's value, and writing it again changes
// nothing; a write is refused only for names or values that cannot be stored on one line.

#include "fuzz_check.h"
#include "profile_file.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

// Takes the next field up to a NUL (or the end) off the front of input.
QString take_field(QByteArray& input)
{
    const qsizetype nul = input.indexOf('\0');
    const QByteArray field = nul < 0 ? input : input.first(nul);
    input = nul < 0 ? QByteArray() : input.sliced(nul + 1);
    return QString::fromUtf8(field);
}

bool blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QString trimmed(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool same_name(const QString& a, const QString& b)
{
    return trimmed(a).compare(trimmed(b), Qt::CaseInsensitive) == 0;
}

bool one_line(const QString& text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) && !text.contains(QChar(0));
}

// What a read of a stored value gives: blanks and one pair of quotes off, 255 bytes at most.
QString read_back(const QString& value)
{
    QString text = trimmed(value);
    if (text.size() >= 2 && text.front() == text.back()
        && (text.front() == QLatin1Char('"') || text.front() == QLatin1Char('\'')))
        text = text.sliced(1, text.size() - 2);
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= kProfileValueBytes)
        return text;
    qsizetype end = kProfileValueBytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return QString::fromUtf8(utf8.first(end));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString section = take_field(input);
    const QString key = take_field(input);
    const QString value = take_field(input);
    const QString other_section = take_field(input);
    const QString other_key = take_field(input);
    const QByteArray& file = input;

    // A fallback no read can give (a read never holds a NUL), to tell "missing" apart.
    const QString missing(QChar(0));
    const QString read = profile_value(file, section, key, missing);
    if (read != missing) {
        FUZZ_CHECK(read.toUtf8().size() <= kProfileValueBytes);
        FUZZ_CHECK(!read.contains(QChar(0)));
    }

    const std::optional<QByteArray> written = profile_with_value(file, section, key, value);
    const QString name = trimmed(key);
    const bool storable = one_line(section) && one_line(key) && one_line(value) && !name.isEmpty()
                          && !name.contains(QLatin1Char('=')) && !name.startsWith(QLatin1Char(';'))
                          && !name.startsWith(QLatin1Char('['));
    FUZZ_CHECK_EQ(written.has_value(), storable);
    if (!written)
        return 0;

    FUZZ_CHECK_EQ(profile_value(*written, section, key, missing), read_back(value));
    FUZZ_CHECK_EQ(profile_with_value(*written, section, key, value).value_or(QByteArray()), *written);
    if (!(same_name(other_section, section) && same_name(other_key, key)))
        FUZZ_CHECK_EQ(profile_value(*written, other_section, other_key, missing),
                      profile_value(file, other_section, other_key, missing));
    return 0;
}
