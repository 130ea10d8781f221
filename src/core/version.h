#pragma once
// The program's version numbers and the texts built from them.

#include <QString>

inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// "Ravu Filer Ver" + major "." minor revision, e.g. "Ravu Filer Ver2.00".
inline QString version_caption()
{
    return QStringLiteral("Ravu Filer Ver%1.%2%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}
