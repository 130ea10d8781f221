#include "folder_watch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace {

void replace_paths(QFileSystemWatcher& watcher, const QStringList& watched, const QStringList& wanted)
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
    if (!added.isEmpty())
        watcher.addPaths(added);
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

void FolderWatch::watch(const QStringList& folders, const QStringList& files)
{
    // The system's own folder events name the entries; the portable watcher does not.
    if (!watch_folders_by_name(folders))
        replace_paths(*m_watcher, m_watcher->directories(), folders);
    replace_paths(*m_watcher, m_watcher->files(), files);
}
