#include "file_rename.h"

#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool something_at(const QFileInfo& info) { return info.exists() || info.isSymLink(); }

// True when the folder holds an entry of exactly this name (letter case included).
bool folder_lists_exactly(const QString& folder, const QString& name)
{
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return entries.contains(name, Qt::CaseSensitive);
}

} // namespace

bool rename_file_keeping_others(const QString& folder, const QString& old_name, const QString& new_name)
{
    if (old_name.isEmpty() || new_name.isEmpty())
        return false;
    const QString from = join_folder_file(folder, old_name);
    const QString to = join_folder_file(folder, new_name);
    const QFileInfo source(from);
    if (!something_at(source) || (source.isDir() && !source.isSymLink()))
        return false;

    const QFileInfo target(to);
    const bool case_only = new_name != old_name && new_name.compare(old_name, Qt::CaseInsensitive) == 0;
    if (case_only) {
        // Where case is ignored the "existing" target is the file itself; where it counts,
        // a file listed under exactly the new name is another file.
        if (folder_lists_exactly(folder, new_name))
            return false;
    } else if (something_at(target)) {
        return false;
    }
    // QFile::rename also refuses an existing target (no replacing even in a race).
    return QFile::rename(from, to);
}
