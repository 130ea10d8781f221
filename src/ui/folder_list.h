#pragma once
// The folder list: the open folder with its parents above it and its subfolders below.
// A double-click (or Enter) on a row opens that folder. Rows show names on one line, with
// control characters made visible; each row keeps its folder's real path.

#include <QListWidget>
#include <functional>

class SystemServices;

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // Where the subfolders are read from; none are listed until this is called.
    void set_system(SystemServices& system) { m_system = &system; }

    QString path() const { return m_path; }

    // Opens the folder. False, and nothing changes, when it is not a readable folder.
    bool set_path(const QString& folder);

    // Re-reads the subfolders from disk.
    void refresh();

    // Tells the list where the drive of a folder begins: the chain of open folders starts
    // there, so the list never leaves the drive the drive list shows.
    void set_drive_root_lookup(std::function<QString(const QString&)> lookup);

signals:
    // The open folder changed, by the user or by the program.
    void path_changed();
    // A row was opened, but its folder could not be; nothing changed.
    void open_failed(const QString& folder);

private:
    void open_row(QListWidgetItem* item);

    SystemServices* m_system = nullptr;
    QString m_path;
    std::function<QString(const QString&)> m_drive_root_of;
};
