#pragma once
// The operating system's change notification for the folders and files the window shows,
// and for volumes mounted or unmounted. Nothing is polled here: a signal comes only after a
// change, and the one who asked learns which paths could not be watched.

#include <QHash>
#include <QObject>
#include <QStringList>

class QFileSystemWatcher;
class QSocketNotifier;

class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(QObject* parent = nullptr);
    ~FolderWatch() override;

    // Watches exactly these folders and files from now on; paths not there are left out.
    // A file replaced or removed, or a folder removed or moved, is no longer watched until it
    // is named here again. False when some path that is there could not be watched (the
    // system's watches are used up): nothing will be heard of its changes.
    bool watch(const QStringList& folders, const QStringList& files);

    // For tests: from now on the system grants at most this many folder watches to each
    // FolderWatch, as when the user's watches are used up (-1: as many as the system has).
    static void limit_folder_watches(int count) { s_folder_watch_limit = count; }

signals:
    // Entries were created, removed or renamed in the folder, or the folder itself went.
    // names: the entries concerned; empty when the system does not say (read it all then).
    void folder_changed(const QString& folder, const QStringList& names);
    // The file was written, replaced or removed.
    void file_changed(const QString& file);
    void mounts_changed();

private:
    // The system's own part (a file per system): its folder events and its notice of mounts.
    void open_system_watches();
    void close_system_watches();
    // False where the system has no folder events that name the entries; else whether every
    // folder there is watched (in `complete`).
    bool watch_folders_by_name(const QStringList& folders, bool& complete);
    void take_folder_events();

    static inline int s_folder_watch_limit = -1; // -1: no limit set by a test
    QFileSystemWatcher* m_watcher;
    QSocketNotifier* m_mounts = nullptr;
    int m_mount_fd = -1;
    // Folders through the system's own events where they name the entries that changed.
    QSocketNotifier* m_folder_events = nullptr;
    int m_inotify_fd = -1;
    QHash<QString, int> m_watch_of; // folder -> watch descriptor
};
