#pragma once
// The operating system's change notification for the folders and files the window shows,
// and for volumes mounted or unmounted. Nothing is polled: a signal comes only after a change.

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

    // False where the system tells nothing of mounts (the drive list then re-reads the
    // volumes when it is opened).
    bool watches_mounts() const { return m_mounts != nullptr; }

signals:
    // Entries were created, removed or renamed in the folder, or the folder itself went.
    void folder_changed(const QString& folder);
    // The file was written, replaced or removed.
    void file_changed(const QString& file);
    void mounts_changed();

private:
    void watch_mounts();

    QFileSystemWatcher* m_watcher;
    QSocketNotifier* m_mounts = nullptr;
    int m_mount_fd = -1;
};
