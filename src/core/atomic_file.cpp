#include "atomic_file.h"

#include <QSaveFile>

bool write_file_atomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // Without this, a folder where no temporary file can be made would get the file
    // written in place, and a failure half-way would destroy the old one.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // Qt 6.4's commit() ignores a failure of its own final flush and would put a truncated
    // file in place of the old one: flush here, where the failure can still be seen.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
