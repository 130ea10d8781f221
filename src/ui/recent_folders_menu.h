#pragma once
// The submenu "最近使ったフォルダ": the last folders the lists showed, newest first, kept in a
// file of their own; one no longer there is shown disabled.

#include <QObject>
#include <QStringList>
#include <functional>

class FolderList;
class QMenu;
struct AppState;

class RecentFoldersMenu : public QObject {
    Q_OBJECT
public:
    // Notes every folder the folder rule lets the lists show; a chosen entry goes to
    // go_to_folder.
    RecentFoldersMenu(QMenu* menu, FolderList* folders, const AppState& state,
                      std::function<void(const QString&)> go_to_folder);

    // Keeps the folders in this file from now on, starting from those it holds. Without it
    // they last for the run only.
    void keep_in(const QString& file);

    // Notes the folder the lists show when the folder rule accepted it.
    void note_shown_folder();

private:
    void fill();

    QMenu* m_menu;
    FolderList* m_folders_list;
    const AppState& m_state;
    std::function<void(const QString&)> m_go_to_folder;
    QStringList m_folders;
    QString m_file;
};
