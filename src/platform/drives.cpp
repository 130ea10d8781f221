#include "drives.h"

#include <QFileInfo>
#include <QStorageInfo>

bool drive_available(const QString& root)
{
    const QFileInfo info(root);
    if (!info.exists() || !info.isDir() || !info.isReadable())
        return false;
    const QStorageInfo volume(root);
    return volume.isValid() && volume.isReady() && is_mounted_at(volume, root);
}
