#include "trash.h"

#include "desktop_trash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

bool move_file_to_trash(const QString& path, QString* error)
{
    const QByteArray file = QFile::encodeName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const std::optional<TrashFolder> trash = trash_for(file, error);
    return trash && move_into_trash(file, *trash, QDateTime::currentDateTime(), error);
}
