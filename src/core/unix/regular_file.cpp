#include "regular_file.h"

#include "messages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileError from_errno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return file_error(FileFailure::Missing);
    case EACCES:
    case EPERM:
        return file_error(FileFailure::NoPermission);
    case ENXIO: // a socket, or a device without its driver
    case ENODEV:
        return file_error(FileFailure::NotRegularFile);
    default:
        return {FileFailure::Other, qt_error_string(error)};
    }
}

qint64 nanoseconds(const timespec& time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; }

FileIdentity identity_of(const struct stat& st)
{
    FileIdentity identity;
    identity.device = quint64(st.st_dev);
    identity.inode = quint64(st.st_ino);
    identity.size = qint64(st.st_size);
#ifdef __APPLE__
    identity.modified_ns = nanoseconds(st.st_mtimespec);
    identity.changed_ns = nanoseconds(st.st_ctimespec);
#else
    identity.modified_ns = nanoseconds(st.st_mtim);
    identity.changed_ns = nanoseconds(st.st_ctim);
#endif
    return identity;
}

// A path the system would read differently from the text (cut at a NUL) names no file.
bool usable_path(const QString& path) { return !path.isEmpty() && !path.contains(QChar(0)); }

int open_retrying(const QByteArray& native, int flags)
{
    int fd = -1;
    do
        fd = ::open(native.constData(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

FileError open_regular_file(QFile& file, const QString& path, FileIdentity* identity)
{
    if (!usable_path(path))
        return file_error(FileFailure::Missing);
    // O_NONBLOCK: opening a FIFO would otherwise wait for a writer. The descriptor itself
    // is checked, so a file swapped for another after a listing is caught as well.
    const int fd = open_retrying(QFile::encodeName(path), O_RDONLY);
    if (fd < 0)
        return from_errno(errno);
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return from_errno(error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return file_error(FileFailure::NotRegularFile);
    }
    // Unbuffered: every reader reads in large pieces of its own.
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {FileFailure::Other, file.errorString()};
    }
    if (identity)
        *identity = identity_of(st);
    return {};
}

std::optional<FileIdentity> regular_file_identity(const QString& path)
{
    struct stat st {};
    if (!usable_path(path) || stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return identity_of(st);
}

FileError check_writable(const QString& path)
{
    if (!usable_path(path))
        return file_error(FileFailure::Missing);
    // Opened for writing without truncating, then closed: the real answer, read-only file
    // systems and access lists included, and nothing changed.
    const int fd = open_retrying(QFile::encodeName(path), O_WRONLY);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS)
            return {FileFailure::NoPermission, kNotWritableReason};
        return from_errno(error);
    }
    ::close(fd);
    return {};
}

bool is_own_regular_file(const QString& path)
{
    struct stat st {};
    return usable_path(path) && lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode)
           && st.st_uid == geteuid();
}
