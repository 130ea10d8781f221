#include "atomic_file.h"

#include <QSaveFile>

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
