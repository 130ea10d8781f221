#include "desktop_trash.h"

#include "desktop_services.h"
#include "system_messages.h"
#include "trash_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void set_error(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
}

QByteArray with_slash(const QByteArray& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

QByteArray joined(const QByteArray& folder, QByteArrayView name) { return with_slash(folder).append(name); }

// A folder only this user may enter, made when missing; an existing one must be a real
// folder (no link) of this user.
bool private_folder(const QByteArray& path)
{
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    return lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid();
}

std::optional<TrashFolder> made_trash(const QByteArray& path, const QByteArray& top_dir)
{
    if (private_folder(path) && private_folder(joined(path, "files")) && private_folder(joined(path, "info")))
        return TrashFolder{path, top_dir};
    return std::nullopt;
}

QByteArray parent_of(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray canonical(const QByteArray& path)
{
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.constData(), nullptr),
                                                               &std::free);
    return resolved ? QByteArray(resolved.get()) : QByteArray();
}

// The highest folder above path (itself included) that is still on its volume.
QByteArray top_folder(const QByteArray& path, dev_t device)
{
    QByteArray top = path;
    while (top != "/") {
        const QByteArray up = parent_of(top);
        struct stat st {};
        if (stat(up.constData(), &st) != 0 || st.st_dev != device)
            break;
        top = up;
    }
    return top;
}

// A rename that never replaces an entry; where the system has none, a look first.
bool rename_keeping(const QByteArray& from, const QByteArray& to)
{
#ifdef RENAME_NOREPLACE
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    struct stat st {};
    if (lstat(to.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.constData(), to.constData()) == 0;
}

bool write_all(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

enum class RecordResult { Written, Taken, Failed };

// The record under info/entry.trashinfo, made only where no record of that name is.
RecordResult write_record(const QByteArray& record, const QByteArray& text, QString* error)
{
    const int fd = open(record.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            return RecordResult::Taken;
        set_error(error, kTrashRecordNotWrittenMessage.arg(qt_error_string(errno)));
        return RecordResult::Failed;
    }
    const bool written = write_all(fd, text);
    const int saved = errno;
    if (close(fd) != 0 || !written) {
        set_error(error, kTrashRecordNotWrittenMessage.arg(qt_error_string(written ? errno : saved)));
        unlink(record.constData());
        return RecordResult::Failed;
    }
    return RecordResult::Written;
}

} // namespace

std::optional<TrashFolder> home_trash(QString* error)
{
    // When the data folder is missing (fresh machines) it is made, as the trash lives in it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data)) {
        set_error(error, kTrashFolderNotMadeMessage.arg(data));
        return std::nullopt;
    }
    const QByteArray path = QFile::encodeName(QDir(data).absoluteFilePath(QStringLiteral("Trash")));
    std::optional<TrashFolder> trash = made_trash(path, QByteArray());
    if (!trash)
        set_error(error, kTrashFolderNotMadeMessage.arg(QFile::decodeName(path)));
    return trash;
}

std::optional<TrashFolder> volume_trash(const QByteArray& top_dir, uid_t uid, QString* error)
{
    const QByteArray id = QByteArray::number(static_cast<qulonglong>(uid));
    // A shared .Trash counts only where nobody can swap it for a link or take others' entries.
    const QByteArray shared = joined(top_dir, ".Trash");
    struct stat st {};
    if (lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0)
        if (std::optional<TrashFolder> trash = made_trash(joined(shared, id), top_dir))
            return trash;
    const QByteArray own = joined(top_dir, ".Trash-" + id);
    std::optional<TrashFolder> trash = made_trash(own, top_dir);
    if (!trash)
        set_error(error, kTrashFolderNotMadeMessage.arg(QFile::decodeName(own)));
    return trash;
}

std::optional<TrashFolder> trash_for(const QByteArray& file, QString* error)
{
    struct stat file_st {};
    if (lstat(file.constData(), &file_st) != 0) {
        set_error(error, kTrashMoveFailedMessage.arg(qt_error_string(errno)));
        return std::nullopt;
    }
    std::optional<TrashFolder> home = home_trash(error);
    // Where the home trash cannot be made, a file of the home volume gets no other.
    const QByteArray home_path = home ? home->path : QFile::encodeName(QDir::homePath());
    struct stat home_st {};
    if (stat(home_path.constData(), &home_st) == 0 && home_st.st_dev == file_st.st_dev)
        return home;
    const QByteArray folder = canonical(parent_of(file));
    if (folder.isEmpty()) {
        set_error(error, kTrashMoveFailedMessage.arg(qt_error_string(errno)));
        return std::nullopt;
    }
    return volume_trash(top_folder(folder, file_st.st_dev), geteuid(), error);
}

bool move_into_trash(const QByteArray& file, const TrashFolder& trash, const QDateTime& deleted,
                     QString* error, QByteArray* entry_name)
{
    const QByteArray name = file.mid(file.lastIndexOf('/') + 1);
    QByteArray recorded = file;
    if (!trash.top_dir.isEmpty()) {
        // A volume's trash records the path below its top folder, so that it still holds
        // where the volume is mounted elsewhere.
        const QByteArray folder = canonical(parent_of(file));
        const QByteArray top = with_slash(trash.top_dir);
        if (folder.isEmpty() || !with_slash(folder).startsWith(top)) {
            set_error(error, kNoTrashMessage);
            return false;
        }
        recorded = with_slash(folder).mid(top.size()) + name;
    }
    const QByteArray text = trash_info_text(recorded, deleted);
    const QByteArray info = joined(trash.path, "info");
    const QByteArray files = joined(trash.path, "files");
    constexpr int kMaxAttempts = 10000;
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const QByteArray entry = trash_entry_name(name, attempt);
        const QByteArray record = joined(info, QByteArray(entry).append(kTrashInfoSuffix));
        const RecordResult made = write_record(record, text, error);
        if (made == RecordResult::Failed)
            return false;
        if (made == RecordResult::Taken)
            continue;
        if (rename_keeping(file, joined(files, entry))) {
            if (entry_name)
                *entry_name = entry;
            return true;
        }
        const int failure = errno;
        unlink(record.constData());
        // An entry without a record (left by another program) keeps its name.
        if (failure == EEXIST || failure == ENOTEMPTY)
            continue;
        set_error(error, kTrashMoveFailedMessage.arg(qt_error_string(failure)));
        return false;
    }
    set_error(error, kNoTrashMessage);
    return false;
}

bool DesktopServices::move_to_trash(const QString& path, QString* error)
{
    const QByteArray file = QFile::encodeName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const std::optional<TrashFolder> trash = trash_for(file, error);
    return trash && move_into_trash(file, *trash, QDateTime::currentDateTime(), error);
}
