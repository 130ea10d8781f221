#pragma once
// One key of section "RavFiler" of the settings file, read or written straight to the file.

#include <QString>

inline const QString kSettingsSection = QStringLiteral("RavFiler");
inline const QString kMissing = QStringLiteral("ERR");

// The key's value cut to 255 bytes, or "ERR" when the file, section or key is missing.
QString read_setting(const QString& ini_path, const QString& key);

// Sets the key, creating file, section and key as needed. A failure is not reported.
void write_setting(const QString& ini_path, const QString& key, const QString& value);
