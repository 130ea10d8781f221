#include "desktop_services.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopServices::open_folder(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
