#include "regular_file.h"

#include "messages.h"

#include <QDir>
#include <QFileInfo>

#include <io.h>
#include <windows.h>

namespace {

bool usable_path(const QString& path) { return !path.isEmpty() && !path.contains(QChar(0)); }

qint64 file_time(const FILETIME& time)
{
    return qint64((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime) * 100;
}

} // namespace

FileError open_regular_file(QFile& file, const QString& path, FileIdentity* identity)
{
    if (!usable_path(path))
        return file_error(FileFailure::Missing);
    file.setFileName(path);
    // Unbuffered: every reader reads in large pieces of its own.
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        const QFileInfo info(path);
        if (!info.exists())
            return file_error(FileFailure::Missing);
        if (!info.isFile())
            return file_error(FileFailure::NotRegularFile);
        return {FileFailure::Other, file.errorString()};
    }
    // A pipe, a console or a device name ("CON", "NUL") is no file on a disk.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK) {
        file.close();
        return file_error(FileFailure::NotRegularFile);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        file.close();
        return file_error(FileFailure::NotRegularFile);
    }
    if (identity) {
        identity->device = info.dwVolumeSerialNumber;
        identity->inode = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        identity->size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
        identity->modified_ns = file_time(info.ftLastWriteTime);
        identity->changed_ns = file_time(info.ftCreationTime);
    }
    return {};
}

std::optional<FileIdentity> regular_file_identity(const QString& path)
{
    QFile file;
    FileIdentity identity;
    if (!open_regular_file(file, path, &identity).ok())
        return std::nullopt;
    return identity;
}

FileError check_writable(const QString& path)
{
    if (!usable_path(path))
        return file_error(FileFailure::Missing);
    if (!QFileInfo(path).isWritable())
        return {FileFailure::NoPermission, kNotWritableReason};
    return {};
}

bool is_own_regular_file(const QString& path)
{
    // The settings folder is the user's own; files of other users there are not told apart.
    const QFileInfo info(path);
    return usable_path(path) && info.isFile() && !info.isSymLink();
}
