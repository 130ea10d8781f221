#pragma once
// The program's profile (INI) file as bytes: one key of one section looked up or set, with
// the rules of the Windows profile functions.
//
// The bytes are UTF-8, or CP932 when they are not valid UTF-8 (a file brought over from a
// Japanese Windows system). Lines end at CR, LF or CR LF. Section and key names match
// without regard to case, spaces and tabs around them ignored; a section name runs to the
// last "]"; a key line splits at the first "="; lines starting with ";" are comments. The
// first of duplicate sections or keys counts. A write changes the bytes of one line, or
// adds one line or one section; every other byte stays, and the file keeps its code page.

#include "text_codec.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

// Longest value, in characters: well above any path. A longer value reads as missing (a
// value cut short is of no use, a path least of all) and is never written.
inline constexpr qsizetype kProfileValueMaxChars = 32 * 1024;

// The values of the keys of the first section of one name, by folded key name (the first of
// duplicate keys counts): one pass over the bytes serves every lookup in the section. A value
// longer than kProfileValueMaxChars is held as nothing and reads as missing.
using ProfileSection = QHash<QString, std::optional<QString>>;
ProfileSection profile_section(QByteArrayView bytes, const QString& section);

// The key's value (spaces and tabs around it and one pair of matching quotes removed, cut at
// a NUL character), or fallback when the section or key is missing or the value is longer
// than kProfileValueMaxChars.
QString profile_value(QByteArrayView bytes, const QString& section, const QString& key,
                      const QString& fallback);
QString profile_value(const ProfileSection& values, const QString& key, const QString& fallback);

// A section or key name as names are compared: blanks around it removed, case folded.
QString folded_profile_name(QStringView name);

// The code page a profile file's bytes are read and written in; an empty file is UTF-8.
TextCodec profile_codec(QByteArrayView bytes);

// Why a write is refused.
enum class ProfileRefusal {
    None,
    NotOneLine,         // a line break or NUL in a name or the value
    BadKey,             // an empty key, or one holding "=" or starting with ";" or "["
    ValueTooLong,       // over kProfileValueMaxChars
    NotInCodePage,      // the file is CP932 and a character has no CP932 code
    CodePageWouldChange // the CP932 file would read as UTF-8 afterwards
};

// What refuses the write of value to key in section in any file: NotOneLine, BadKey,
// ValueTooLong, or None.
ProfileRefusal profile_entry_refusal(const QString& section, const QString& key, const QString& value);

struct ProfileWrite {
    ProfileRefusal refusal = ProfileRefusal::None;
    QByteArray bytes;  // the new file, when not refused
    QString character; // for NotInCodePage: the first character the file cannot hold
    bool ok() const { return refusal == ProfileRefusal::None; }
};

// The file's bytes with the key set to value: the text of the key's line replaced (its line
// end kept), or a new line after the section's last line that is not blank, or a new section
// at the end. New lines end as the file's first line does (CR LF in a file without one). A
// value with a blank or tab at either edge, or one pair of matching quotes around it, is
// written inside double quotes, so it reads back as given.
ProfileWrite profile_with_value(QByteArrayView bytes, const QString& section, const QString& key,
                                const QString& value);

// The reason of a refusal, for the user.
QString profile_refusal_text(const ProfileWrite& write);
