#include "paths.h"

#include <QDir>

QString join_folder_file(const QString& folder, const QString& name)
{
    QString base = folder;
    if (base.endsWith(QDir::separator()))
        base.chop(1);
    return base + QDir::separator() + name;
}

QString own_file_path(const QString& start_dir, const QString& name)
{
    return start_dir + QDir::separator() + name;
}
