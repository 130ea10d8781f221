#pragma once
// One key of section "RavFiler" of the settings file, read or written straight to the file.
//
// The file is read and parsed once for as long as it stays the same file in the same state
// (device, inode, size, modification and change times): a dozen reads at start-up cost one
// pass over it, and a change by another program is seen at the next read. One thread only.

#include <QString>

#include <optional>

inline const QString kSettingsSection = QStringLiteral("RavFiler");
inline const QString kMissing = QStringLiteral("ERR");

// A larger settings file is not read (it reads as missing) and never replaced.
inline constexpr qint64 kProfileFileMaxBytes = 64 * 1024 * 1024;

// The key's value (see profile_value), or "ERR" when the file, section or key is missing (a
// settings file that is no regular file, or cannot be read, counts as missing).
QString read_setting(const QString& ini_path, const QString& key);

// Sets the key (see profile_with_value), creating file, section and key as needed, by
// replacing the whole file at once. False when it cannot be done; reason (when given) then
// says why, and the file is as it was. A file that exists but is no regular file, cannot be
// read, or may not be written is never replaced.
bool write_setting(const QString& ini_path, const QString& key, const QString& value,
                   QString* reason = nullptr);

// Removes the copies that writes of the file at path left beside it when the program was
// killed between making the complete new file and putting it in place: regular files of this
// user named as the program names them ("ravfiler.ini.AbCdEf"). Anything else stays.
void remove_left_copies(const QString& path);

// The settings writes of one run: the first that fails is told to the user with the file's
// path and the reason; later failures in the run are not, so one broken file does not
// bring a box at every click.
class SettingsWrites {
public:
    // Writes the key; the message for the user when this is the run's first failed write.
    std::optional<QString> write(const QString& ini_path, const QString& key, const QString& value);
    // No failure is told from now on (the program is being ended from outside).
    void silence() { m_reported = true; }

private:
    bool m_reported = false;
};
