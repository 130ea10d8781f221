#pragma once
// The operating system's change notification for the folders and files the window shows,
// and for volumes mounted or unmounted. Nothing is polled: a signal comes only after a change.

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
    // A file replaced or removed is no longer watched until it is named here again.
    void watch(const QStringList& folders, const QStringList& files);

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
    void watch_mounts();
    // False where the system has no folder events that name the entries.
    bool watch_folders_by_name(const QStringList& folders);
    void take_folder_events();

    QFileSystemWatcher* m_watcher;
    QSocketNotifier* m_mounts = nullptr;
    int m_mount_fd = -1;
    // Folders through the system's own events where they name the entries that changed.
    QSocketNotifier* m_folder_events = nullptr;
    int m_inotify_fd = -1;
    QHash<QString, int> m_watch_of; // folder -> watch descriptor
};
