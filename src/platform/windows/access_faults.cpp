#include "desktop_services.h"

#include <QDir>
#include <QFileInfo>

FolderFault DesktopServices::folder_fault(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return FolderFault::Missing;
    if (!info.isDir())
        return FolderFault::NotAFolder;
    return QDir(folder).isReadable() ? FolderFault::Other : FolderFault::NoPermission;
}
