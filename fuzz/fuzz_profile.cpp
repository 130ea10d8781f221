// Fuzzes the profile-file reader and writer. The input is five NUL-terminated fields
// (section, key, value, another section, another key) followed by the file's bytes.
// Properties: a read never gives a NUL or more than the bound; a write that is accepted reads back as the
// value exactly, changes no byte outside the one line it replaces, keeps the code page and every other key's
// value, and writing it again changes nothing; a refusal names a reason that holds.

#include "fuzz_check.h"
#include "profile_file.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Takes the next field up to a NUL (or the end) off the front of input.
QString take_field(QByteArray& input)
{
    const qsizetype nul = input.indexOf('\0');
    const QByteArray field = nul < 0 ? input : input.first(nul);
    input = nul < 0 ? QByteArray() : input.sliced(nul + 1);
    return QString::fromUtf8(field);
}

bool one_line(const QString& text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) && !text.contains(QChar(0));
}

QString blanks_trimmed(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// How many bytes a and b share at their start (from_end: at their end), at most limit.
qsizetype shared_bytes(const QByteArray& a, const QByteArray& b, qsizetype limit, bool from_end)
{
    const auto at = [&](const QByteArray& bytes, qsizetype i, qsizetype n) {
        return bytes.constData() + (from_end ? bytes.size() - i - n : i);
    };
    qsizetype i = 0;
    constexpr qsizetype kBlock = 64;
    while (i + kBlock <= limit && std::memcmp(at(a, i, kBlock), at(b, i, kBlock), kBlock) == 0)
        i += kBlock;
    while (i < limit && *at(a, i, 1) == *at(b, i, 1))
        ++i;
    return i;
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
    if (read != missing)
        FUZZ_CHECK(read.size() <= kProfileValueMaxChars && !read.contains(QChar(0)));

    const ProfileWrite written = profile_with_value(file, section, key, value);
    const QString name = blanks_trimmed(key);
    const bool lines_ok = one_line(section) && one_line(key) && one_line(value);
    const bool key_ok = !name.isEmpty() && !name.contains(QLatin1Char('='))
                        && !name.startsWith(QLatin1Char(';')) && !name.startsWith(QLatin1Char('['));
    switch (written.refusal) {
    case ProfileRefusal::NotOneLine:
        FUZZ_CHECK(!lines_ok);
        return 0;
    case ProfileRefusal::BadKey:
        FUZZ_CHECK(lines_ok && !key_ok);
        return 0;
    case ProfileRefusal::ValueTooLong:
        FUZZ_CHECK(lines_ok && key_ok && value.size() > kProfileValueMaxChars);
        return 0;
    case ProfileRefusal::NotInCodePage:
        FUZZ_CHECK(profile_codec(file) == TextCodec::Cp932);
        FUZZ_CHECK(!written.character.isEmpty() && !cp932_encode(written.character));
        return 0;
    case ProfileRefusal::CodePageWouldChange:
        FUZZ_CHECK(profile_codec(file) == TextCodec::Cp932);
        return 0;
    case ProfileRefusal::None:
        FUZZ_CHECK(lines_ok && key_ok && value.size() <= kProfileValueMaxChars);
        break;
    }
    const QByteArray& out = written.bytes;
    FUZZ_CHECK_EQ(profile_value(out, section, key, missing), value);
    FUZZ_CHECK_EQ(profile_with_value(out, section, key, value).bytes, out);
    // (A CP932 file whose only other bytes were in the line replaced may end up plain ASCII.)
    FUZZ_CHECK(profile_codec(out) == profile_codec(file) || !has_non_ascii(out));
    if (!(folded_profile_name(other_section) == folded_profile_name(section)
          && folded_profile_name(other_key) == folded_profile_name(key)))
        FUZZ_CHECK_EQ(profile_value(out, other_section, other_key, missing),
                      profile_value(file, other_section, other_key, missing));

    // Outside the bytes both files share at their ends, the old file loses at most part of
    // one line: never a line end.
    const qsizetype shorter = std::min(file.size(), out.size());
    const qsizetype prefix = shared_bytes(file, out, shorter, false);
    const qsizetype suffix = shared_bytes(file, out, shorter - prefix, true);
    const QByteArray removed = file.mid(prefix, file.size() - prefix - suffix);
    FUZZ_CHECK(!removed.contains('\r') && !removed.contains('\n'));

    // The section's keys after the write, as the program keeps them, answer as a read of the
    // new file.
    ProfileSection updated = profile_section(file, section);
    updated.insert(folded_profile_name(key), value);
    FUZZ_CHECK_EQ(profile_value(updated, key, missing), value);
    FUZZ_CHECK_EQ(profile_value(updated, other_key, missing),
                  profile_value(out, section, other_key, missing));
    return 0;
}
