#include "regular_file.h"

#include "messages.h"

#include <QSaveFile>

#include <algorithm>

static_assert(std::size(kFileFailureReasons) == std::size_t(FileFailure::Other) + 1);

FileError file_error(FileFailure failure) { return {failure, text_of(kFileFailureReasons, failure)}; }

FileError read_up_to(QIODevice& device, qint64 max_bytes, QByteArray& bytes)
{
    constexpr qint64 kChunkBytes = 1 << 20;
    bytes.clear();
    if (!device.isSequential())
        bytes.reserve(std::clamp<qint64>(device.size() - device.pos(), 0, max_bytes));
    while (bytes.size() < max_bytes) {
        const qint64 want = std::min<qint64>(kChunkBytes, max_bytes - bytes.size());
        const qsizetype old_size = bytes.size();
        bytes.resize(old_size + want);
        const qint64 got = device.read(bytes.data() + old_size, want);
        bytes.resize(old_size + std::max<qint64>(got, 0));
        if (got < 0)
            return {FileFailure::Other, device.errorString()};
        if (got == 0)
            break;
    }
    return {};
}

FileError read_bounded(QIODevice& device, qint64 max_bytes, QByteArray& bytes)
{
    // One byte past the bound tells a file that goes on beyond it.
    FileError error = read_up_to(device, max_bytes + 1, bytes);
    if (error.ok() && bytes.size() > max_bytes)
        error = file_error(FileFailure::TooLarge);
    if (!error.ok())
        bytes.clear();
    return error;
}

FileError read_regular_file(const QString& path, qint64 max_bytes, QByteArray& bytes)
{
    bytes.clear();
    QFile file;
    FileIdentity opened;
    if (FileError error = open_regular_file(file, path, &opened); !error.ok())
        return error;
    // A size past the bound is known before a byte is read.
    if (opened.size > max_bytes)
        return file_error(FileFailure::TooLarge);
    return read_bounded(file, max_bytes, bytes);
}

namespace {

// A write that stops short is tried again from where it stopped: the second try fails with
// the reason the first one could not give.
bool write_whole(QSaveFile& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool write_file_atomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // Without this, a folder where no temporary file can be made would get the file
    // written in place, and a failure half-way would destroy the old one.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that each write reaches the system at once and its failure keeps the
    // system's reason (a full disk, the file size limit) instead of an unknown error.
    const auto failed = [&] {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    // Qt 6.4's commit() ignores a failure of its own final flush and would put a truncated
    // file in place of the old one: flush here, where the failure can still be seen.
    if (!write_whole(file, bytes) || !file.flush()) {
        failed();
        file.cancelWriting();
        return false;
    }
    return file.commit() || failed();
}
