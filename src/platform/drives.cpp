#include "drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

QString drive_root_of(const QString& path, const QStringList& roots)
{
    QString best;
    const QString sep = QString(QDir::separator());
    const Qt::CaseSensitivity cs = path_case_sensitivity();
    for (const QString& root : roots) {
        const QString prefix = root.endsWith(sep) ? root : root + sep;
        const bool inside = path.compare(root, cs) == 0 || path.startsWith(prefix, cs);
        if (inside && root.size() > best.size())
            best = root;
    }
    return best;
}

bool drive_available(const QString& root)
{
    const QFileInfo info(root);
    if (!info.exists() || !info.isDir() || !info.isReadable())
        return false;
    const QStorageInfo volume(root);
    return volume.isValid() && volume.isReady() && is_mounted_at(volume, root);
}
