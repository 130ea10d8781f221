#include "desktop_services.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <dirent.h>

namespace {
QByteArray native(const QString& path) { return QFile::encodeName(QDir::fromNativeSeparators(path)); }
} // namespace

FolderFault DesktopServices::folder_fault(const QString& folder)
{
    DIR* dir = opendir(native(folder).constData());
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
