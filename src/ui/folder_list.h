#pragma once
// The folder list: the open folder with its parents above it and its subfolders below.
// A double-click (or Enter) on a row opens that folder.

#include <QListWidget>

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return m_path; }

    // Opens the folder. False, and nothing changes, when it is not a readable folder.
    bool set_path(const QString& folder);

    // Re-reads the subfolders from disk.
    void refresh();

signals:
    // The open folder changed, by the user or by the program.
    void path_changed();

private:
    void fill();
    void open_row(QListWidgetItem* item);

    QString m_path;
};
