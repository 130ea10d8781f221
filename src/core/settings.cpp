#include "settings.h"

#include "profile_file.h"

QString read_setting(const QString& ini_path, const QString& key)
{
    return read_profile_string(ini_path, kSettingsSection, key, kMissing);
}

void write_setting(const QString& ini_path, const QString& key, const QString& value)
{
    // The program goes on with the value it holds in memory; a failed write is not reported.
    (void)write_profile_string(ini_path, kSettingsSection, key, value);
}
