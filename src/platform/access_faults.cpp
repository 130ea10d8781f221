#include "access_faults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray native(const QString& path) { return QFile::encodeName(QDir::fromNativeSeparators(path)); }
} // namespace

FileFault file_fault(const QString& path)
{
    // Without blocking, so a FIFO cannot hold the window up here.
    const int fd = open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return FileFault::Missing;
        return errno == EACCES || errno == EPERM ? FileFault::NoPermission : FileFault::Other;
    }
    struct stat info {};
    const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    return regular ? FileFault::Other : FileFault::NotRegularFile;
}

FolderFault folder_fault(const QString& folder)
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

#else

FileFault file_fault(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileFault::Missing;
    if (!info.isFile())
        return FileFault::NotRegularFile;
    return info.isReadable() ? FileFault::Other : FileFault::NoPermission;
}

FolderFault folder_fault(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return FolderFault::Missing;
    if (!info.isDir())
        return FolderFault::NotAFolder;
    return QDir(folder).isReadable() ? FolderFault::Other : FolderFault::NoPermission;
}

#endif
