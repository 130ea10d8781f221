#include "settings.h"

// Placeholder until the profile-file reader lands.
QString read_setting(const QString&, const QString&)
{
    return kMissing;
}

void write_setting(const QString&, const QString&, const QString&) {}
