#include "desktop_services.h"

#include <QDir>
#include <QDirIterator>

FolderEntries DesktopServices::folder_entries(const QString& folder, EntryKinds kinds)
{
    FolderEntries entries;
    const QDir dir(folder);
    if (!dir.exists())
        return entries;
    const QDir::Filters filter =
        kinds == EntryKinds::Files ? QDir::Files : (QDir::Dirs | QDir::NoDotAndDotDot);
    QDirIterator it(folder, filter);
    while (it.hasNext()) {
        it.next();
        (kinds == EntryKinds::Files ? entries.files : entries.folders) << it.fileName();
    }
    entries.ok = true;
    return entries;
}
