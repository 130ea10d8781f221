#include "paths.h"

#include <QDir>

QChar path_separator() { return QDir::separator(); }

QString join_folder_file(const QString& folder, const QString& name)
{
    QString base = folder;
    if (base.endsWith(path_separator()))
        base.chop(1);
    return base + path_separator() + name;
}

QString own_file_path(const QString& start_dir, const QString& name)
{
    return start_dir + path_separator() + name;
}
