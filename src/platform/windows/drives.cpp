#include "desktop_services.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

// Drive letters need no filter.
QStringList DesktopServices::drives()
{
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << QDir::toNativeSeparators(drive.absoluteFilePath());
    return roots;
}

// A drive letter is its volume's root.
bool DesktopServices::drive_available(const QString& root)
{
    const QFileInfo info(root);
    if (!info.exists() || !info.isDir() || !info.isReadable())
        return false;
    const QStorageInfo volume(root);
    return volume.isValid() && volume.isReady();
}
