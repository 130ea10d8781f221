// Linux: inotify names the entries that came or went in a watched folder, and the kernel
// marks its table of mounts when a volume is mounted or unmounted.

#include "folder_watch.h"

#include <QFile>
#include <QSet>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

void FolderWatch::open_system_watches()
{
    m_inotify_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify_fd >= 0) {
        m_folder_events = new QSocketNotifier(m_inotify_fd, QSocketNotifier::Read);
        connect(m_folder_events, &QSocketNotifier::activated, this, &FolderWatch::take_folder_events);
    }
    // The kernel marks its table of mounts as an exceptional condition for poll() whenever a
    // volume is mounted or unmounted; the mark is taken by the poll that sees it.
    m_mount_fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mount_fd >= 0) {
        m_mounts = new QSocketNotifier(m_mount_fd, QSocketNotifier::Exception);
        connect(m_mounts, &QSocketNotifier::activated, this, &FolderWatch::mounts_changed);
    }
}

void FolderWatch::close_system_watches()
{
    delete m_mounts;
    if (m_mount_fd >= 0)
        ::close(m_mount_fd);
    delete m_folder_events;
    if (m_inotify_fd >= 0)
        ::close(m_inotify_fd);
}

bool FolderWatch::watch_folders_by_name(const QStringList& folders, bool& complete)
{
    if (m_inotify_fd < 0)
        return false;
    const QList<QString> watched = m_watch_of.keys();
    for (const QString& folder : watched) {
        if (folders.contains(folder))
            continue;
        const int wd = m_watch_of.take(folder);
        // Two names of one folder share its descriptor.
        if (!QList<int>(m_watch_of.values()).contains(wd))
            inotify_rm_watch(m_inotify_fd, wd);
    }
    constexpr uint32_t kMask =
        IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
    for (const QString& folder : folders) {
        if (folder.isEmpty() || m_watch_of.contains(folder))
            continue;
        const int wd = s_folder_watch_limit >= 0 && m_watch_of.size() >= s_folder_watch_limit
                           ? (errno = ENOSPC, -1)
                           : inotify_add_watch(m_inotify_fd, QFile::encodeName(folder).constData(), kMask);
        if (wd >= 0)
            m_watch_of.insert(folder, wd);
        else if (errno == ENOSPC || errno == ENOMEM)
            complete = false; // the user's watches are used up; a missing folder is no loss
    }
    return true;
}

// One signal a folder for all the events read at once.
void FolderWatch::take_folder_events()
{
    QHash<int, QSet<QString>> names_of;
    QSet<int> whole; // folders to be read whole
    QSet<int> ended; // watches the system has dropped: the folder went
    bool overflow = false;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = ::read(m_inotify_fd, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                overflow = true;
            } else if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) {
                whole.insert(event->wd);
                // A moved folder would be followed under its new, unknown name: dropped, so
                // whatever is there under the old name is watched once named again.
                if (event->mask & (IN_IGNORED | IN_MOVE_SELF))
                    ended.insert(event->wd);
            } else if (event->len > 0) {
                const QByteArray bytes(event->name);
                const QString name = QFile::decodeName(bytes);
                // A name that does not come back from its text is read with the folder.
                if (QFile::encodeName(name) == bytes)
                    names_of[event->wd].insert(name);
                else
                    whole.insert(event->wd);
            }
        }
    }
    const QHash<QString, int> watched = m_watch_of;
    // Watched again once named again (a folder made anew under the same name).
    for (auto it = m_watch_of.begin(); it != m_watch_of.end();)
        it = ended.contains(it.value()) ? m_watch_of.erase(it) : std::next(it);
    for (const int wd : ended)
        inotify_rm_watch(m_inotify_fd, wd); // still held after a move; gone already otherwise
    for (auto it = watched.begin(); it != watched.end(); ++it) {
        if (overflow || whole.contains(it.value()))
            emit folder_changed(it.key(), {});
        else if (names_of.contains(it.value()))
            emit folder_changed(it.key(), names_of.value(it.value()).values());
    }
}
