#pragma once
// Files read and written whole: opened for reading without blocking, used only when the open
// descriptor is a regular file, read within a bound, so that no file holds up or floods the
// program; replaced at once, so a crash or a full disk never leaves half a file.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

enum class FileFailure { None, Missing, NotRegularFile, NoPermission, TooLarge, Other };

// Why a file could not be read (or written), with a reason for the user.
struct FileError {
    FileFailure failure = FileFailure::None;
    QString reason;
    bool ok() const { return failure == FileFailure::None; }
};

// A failure with the reason that needs no word from the system.
FileError file_error(FileFailure failure);

// One state of a file: any change by any program changes at least one of these.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modified_ns = 0;
    qint64 changed_ns = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Opens the file at path for reading without ever blocking (a FIFO, a device, a folder, or a
// link to one of them gives NotRegularFile). On success file is open on the descriptor and
// identity (when given) describes what was opened.
FileError open_regular_file(QFile& file, const QString& path, FileIdentity* identity = nullptr);

// The rest of device up to max_bytes: all of it when bytes ends up shorter.
FileError read_up_to(QIODevice& device, qint64 max_bytes, QByteArray& bytes);

// The whole rest of device, when it holds at most max_bytes; else TooLarge.
FileError read_bounded(QIODevice& device, qint64 max_bytes, QByteArray& bytes);

// open_regular_file and read_bounded in one.
FileError read_regular_file(const QString& path, qint64 max_bytes, QByteArray& bytes);

// The identity of the regular file at path now (links followed), or nothing.
std::optional<FileIdentity> regular_file_identity(const QString& path);

// Whether this program may write the existing file at path; nothing is changed by asking.
FileError check_writable(const QString& path);

// Whether path names a regular file itself (not a link to one) owned by the user this program
// runs as.
bool is_own_regular_file(const QString& path);

// Writes bytes to a temporary file beside path and renames it over path. On any failure
// the old file (when there is one) stays as it was, and error (when given) says why.
bool write_file_atomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
