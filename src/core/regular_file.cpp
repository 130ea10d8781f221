#include "regular_file.h"

#include "messages.h"

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

FileError read_regular_file(const QString& path, qint64 max_bytes, QByteArray& bytes, FileIdentity* identity)
{
    bytes.clear();
    QFile file;
    FileIdentity opened;
    if (FileError error = open_regular_file(file, path, &opened); !error.ok())
        return error;
    // A size past the bound is known before a byte is read.
    if (opened.size > max_bytes)
        return file_error(FileFailure::TooLarge);
    if (identity)
        *identity = opened;
    return read_bounded(file, max_bytes, bytes);
}
