#include "access_faults.h"

#include <QDir>
#include <QFileInfo>

FolderFault folder_fault(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return FolderFault::Missing;
    if (!info.isDir())
        return FolderFault::NotAFolder;
    return QDir(folder).isReadable() ? FolderFault::Other : FolderFault::NoPermission;
}
