#include "settings.h"

#include "messages.h"
#include "profile_store.h"

QString read_setting(const QString& ini_path, const QString& key)
{
    return read_profile_string(ini_path, kSettingsSection, key, kMissing);
}

bool write_setting(const QString& ini_path, const QString& key, const QString& value, QString* reason)
{
    return write_profile_string(ini_path, kSettingsSection, key, value, reason);
}

std::optional<QString> SettingsWrites::write(const QString& ini_path, const QString& key,
                                             const QString& value)
{
    QString reason;
    // The program goes on with the value it holds in memory either way.
    if (write_setting(ini_path, key, value, &reason) || m_reported)
        return std::nullopt;
    m_reported = true;
    return kSettingsWriteFailureMessage.arg(ini_path, reason);
}
