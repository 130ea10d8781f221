#include "system_conventions.h"

#include <QDesktopServices>
#include <QUrl>

bool show_in_file_manager(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
