#include "desktop_services.h"

#include "system_messages.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

void set_error(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
}

// The file went into a trash folder (~/.local/share/Trash, a volume's .Trash-uid, ~/.Trash).
bool is_in_trash(const QString& trashed)
{
    if (trashed.isEmpty() || !QDir::isAbsolutePath(trashed))
        return false;
    const QStringList parts = QDir::fromNativeSeparators(trashed).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        if (parts[i].contains(QStringLiteral("Trash")))
            return true;
    return false;
}

} // namespace

bool DesktopServices::move_to_trash(const QString& path, QString* error)
{
    // The home trash lives below the data folder. When that folder is missing, Qt's trash
    // "succeeds" by moving the file into ./files of the current folder, so it is made first.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data)) {
        set_error(error, kTrashFolderNotMadeMessage.arg(data));
        return false;
    }
    QFile file(path);
    if (!file.moveToTrash()) {
        set_error(error, file.errorString());
        return false;
    }
    const QString trashed = file.fileName(); // where the file went
    if (!is_in_trash(trashed)) {
        // It went somewhere that is no trash: put it back where it was.
        const QString moved = QDir::current().absoluteFilePath(trashed);
        const bool back = !QFile::exists(path) && QFile::rename(moved, path);
        set_error(error, back ? kNoTrashMessage : kNoTrashMovedMessage.arg(moved));
        return false;
    }
    return true;
}
