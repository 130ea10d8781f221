#pragma once
// Profile files on disk, one key per call, with what was read kept for the next call.
//
// A file is read and parsed once for as long as it stays the same file in the same state
// (device, inode, size, modification and change times): a dozen reads at start-up cost one
// pass over it, and a change by another program is seen at the next read. The program's own
// writes keep what is kept up to date. One file is kept at a time; one thread only.

#include <QString>

// A larger settings file is not read (it reads as missing) and never replaced.
inline constexpr qint64 kProfileFileMaxBytes = 64 * 1024 * 1024;

// The key's value (see profile_value), or fallback when the file is missing, is no regular
// file, cannot be read, or lacks the section or key.
QString read_profile_string(const QString& path, const QString& section, const QString& key,
                            const QString& fallback);

// Sets the key in the file at path (see profile_with_value), creating file and section as
// needed, by replacing the whole file at once. False, with the reason (when given), when it
// cannot be done: the old file then stays as it was. A file that exists but is no regular
// file, cannot be read, or may not be written is never replaced.
bool write_profile_string(const QString& path, const QString& section, const QString& key,
                          const QString& value, QString* reason = nullptr);

// Removes the copies that writes of the file at path left beside it when the program was
// killed between making the complete new file and putting it in place: regular files of this
// user named as the program names them ("ravfiler.ini.AbCdEf"). Anything else stays.
void remove_left_copies(const QString& path);
