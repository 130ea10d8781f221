#include "folder_watch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

#include <algorithm>

namespace {

// False when a path that is there could not be added.
bool replace_paths(QFileSystemWatcher& watcher, const QStringList& watched, const QStringList& wanted,
                   int limit = -1)
{
    QStringList gone;
    for (const QString& path : watched)
        if (!wanted.contains(path))
            gone << path;
    QStringList added;
    for (const QString& path : wanted)
        if (!path.isEmpty() && !watched.contains(path) && !added.contains(path) && QFileInfo::exists(path))
            added << path;
    if (!gone.isEmpty())
        watcher.removePaths(gone);
    // Under a test's limit, what does not fit is left out.
    const qsizetype room =
        limit < 0 ? added.size() : std::max<qsizetype>(0, limit - (watched.size() - gone.size()));
    const bool fits = added.size() <= room;
    added.resize(std::min(added.size(), room));
    return (added.isEmpty() || watcher.addPaths(added).isEmpty()) && fits;
}

} // namespace

FolderWatch::FolderWatch(QObject* parent) : QObject(parent), m_watcher(new QFileSystemWatcher(this))
{
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            [this](const QString& folder) { emit folder_changed(folder, {}); });
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatch::file_changed);
    open_system_watches();
}

FolderWatch::~FolderWatch() { close_system_watches(); }

bool FolderWatch::watch(const QStringList& folders, const QStringList& files)
{
    // The system's own folder events name the entries; the portable watcher does not.
    bool complete = true;
    if (!watch_folders_by_name(folders, complete))
        complete = replace_paths(*m_watcher, m_watcher->directories(), folders, s_folder_watch_limit);
    return replace_paths(*m_watcher, m_watcher->files(), files) && complete;
}
