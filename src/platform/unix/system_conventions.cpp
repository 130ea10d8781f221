#include "system_conventions.h"

#include <QDesktopServices>
#include <QUrl>

bool programs_marked_by_permission() { return true; }

QByteArray native_text_file(const QByteArray& utf8_text) { return utf8_text; }

bool show_in_file_manager(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
