#pragma once
// The program's profile (INI) file: one key of one section read or written per call, with
// the rules of the Windows profile functions.
//
// The bytes are UTF-8, or CP932 when they are not valid UTF-8 (a file brought over from a
// Japanese Windows system). Lines end at CR, LF or CR LF. Section and key names match
// without regard to case, spaces and tabs around them ignored; a section name runs to the
// last "]"; a key line splits at the first "="; lines starting with ";" are comments. The
// first of duplicate sections or keys counts.

#include <QByteArray>
#include <QString>

#include <optional>

// Longest value a read gives, in UTF-8 bytes; a longer one is cut at a character boundary.
inline constexpr qsizetype kProfileValueBytes = 255;

// The key's value (spaces and tabs around it and one pair of matching quotes removed, cut at
// a NUL character and to kProfileValueBytes), or fallback when the section or key is missing.
QString profile_value(const QByteArray& bytes, const QString& section, const QString& key,
                      const QString& fallback);

// The file's bytes with the key set to value: the key's line replaced, or a new line at the
// end of the section, or a new section at the end. Every other line is kept; all lines end
// with CR LF, in UTF-8 (a leading BOM kept). Nothing when the names or the value cannot be
// stored as one line (a line break or NUL in any of them, an empty key, or a key holding
// "=" or starting with ";" or "[").
std::optional<QByteArray> profile_with_value(const QByteArray& bytes, const QString& section,
                                             const QString& key, const QString& value);

// profile_value on the file at path; a file that is missing or cannot be read gives fallback.
QString read_profile_string(const QString& path, const QString& section, const QString& key,
                            const QString& fallback);

// Sets the key in the file at path, creating file and section as needed, by replacing the
// whole file. False when it cannot be done; the old file then stays as it was.
bool write_profile_string(const QString& path, const QString& section, const QString& key,
                          const QString& value);
