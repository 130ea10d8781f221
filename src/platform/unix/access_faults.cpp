#include "desktop_services.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>

FolderFault DesktopServices::folder_fault(const QString& folder)
{
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (dir) {
        closedir(dir);
        return FolderFault::Other;
    }
    switch (errno) {
    case ENOENT:
        return FolderFault::Missing;
    case ENOTDIR:
        return FolderFault::NotAFolder;
    case EACCES:
    case EPERM:
        return FolderFault::NoPermission;
    case ENAMETOOLONG:
        return FolderFault::NameTooLong;
    default:
        return FolderFault::Other;
    }
}
