#include "desktop_services.h"

#include <QFile>

bool DesktopServices::move_to_trash(const QString& path, QString* error)
{
    QFile file(path);
    if (file.moveToTrash())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
