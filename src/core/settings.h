#pragma once
// One key of section "RavFiler" of the settings file, read or written straight to the file.

#include <QString>

#include <optional>

inline const QString kSettingsSection = QStringLiteral("RavFiler");
inline const QString kMissing = QStringLiteral("ERR");

// The key's value, or "ERR" when the file, section or key is missing (a settings file that
// is no regular file, or cannot be read, counts as missing).
QString read_setting(const QString& ini_path, const QString& key);

// Sets the key, creating file, section and key as needed. False when the file could not be
// written; reason (when given) then says why, and the file is as it was.
bool write_setting(const QString& ini_path, const QString& key, const QString& value,
                   QString* reason = nullptr);

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
