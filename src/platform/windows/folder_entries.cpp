#include "desktop_services.h"

#include <QDir>

FolderEntries DesktopServices::folder_entries(const QString& folder, EntryKinds kinds)
{
    FolderEntries entries;
    const QDir dir(folder);
    if (!dir.exists())
        return entries;
    if (kinds == EntryKinds::Files)
        entries.files = dir.entryList(QDir::Files, QDir::Unsorted);
    else
        entries.folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    entries.ok = true;
    return entries;
}
