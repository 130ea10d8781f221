#include "folder_watch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

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
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::folder_changed);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatch::file_changed);
    watch_mounts();
}

FolderWatch::~FolderWatch()
{
#ifdef Q_OS_LINUX
    delete m_mounts;
    if (m_mount_fd >= 0)
        ::close(m_mount_fd);
#endif
}

void FolderWatch::watch(const QStringList& folders, const QStringList& files)
{
    replace_paths(*m_watcher, m_watcher->directories(), folders);
    replace_paths(*m_watcher, m_watcher->files(), files);
}

// The kernel marks its table of mounts as an exceptional condition for poll() whenever a
// volume is mounted or unmounted; the mark is taken by the poll that sees it.
void FolderWatch::watch_mounts()
{
#ifdef Q_OS_LINUX
    m_mount_fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mount_fd < 0)
        return;
    m_mounts = new QSocketNotifier(m_mount_fd, QSocketNotifier::Exception);
    connect(m_mounts, &QSocketNotifier::activated, this, &FolderWatch::mounts_changed);
#endif
}
