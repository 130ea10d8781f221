#include "recent_folders_menu.h"

#include "app_state.h"
#include "folder_list.h"
#include "recent_folders.h"

#include <QFileInfo>
#include <QMenu>

RecentFoldersMenu::RecentFoldersMenu(QMenu* menu, FolderList* folders, const AppState& state,
                                     std::function<void(const QString&)> go_to_folder)
    : QObject(menu), m_menu(menu), m_folders_list(folders), m_state(state),
      m_go_to_folder(std::move(go_to_folder))
{
    // Connected after the folder rule, so a change it reverts is not noted.
    connect(folders, &FolderList::path_changed, this, [this] { note_shown_folder(); });
    connect(menu, &QMenu::aboutToShow, this, [this] { fill(); });
    fill();
}

void RecentFoldersMenu::keep_in(const QString& file)
{
    m_file = file;
    // The folders of this run so far come first, the newest at the top.
    QStringList folders = read_recent_folders(file);
    for (qsizetype i = m_folders.size() - 1; i >= 0; --i)
        folders = with_recent_folder(folders, m_folders[i]);
    m_folders = folders;
    fill();
}

void RecentFoldersMenu::note_shown_folder()
{
    const QString folder = m_folders_list->path();
    if (folder != m_state.current_folder || (!m_folders.isEmpty() && m_folders.first() == folder))
        return;
    m_folders = with_recent_folder(m_folders, folder);
    fill();
    // A file that cannot be written costs only the list of the next run.
    if (!m_file.isEmpty())
        write_recent_folders(m_file, m_folders);
}

void RecentFoldersMenu::fill()
{
    m_menu->clear();
    for (int i = 0; i < m_folders.size(); ++i) {
        const QString& folder = m_folders[i];
        QString number = QString::number(i + 1);
        number.insert(number.size() - 1, QLatin1Char('&'));
        QString shown = folder;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_menu->addAction(number + QLatin1Char(' ') + shown);
        action->setEnabled(QFileInfo(folder).isDir());
        connect(action, &QAction::triggered, this, [this, folder] { m_go_to_folder(folder); });
    }
    m_menu->setEnabled(!m_folders.isEmpty());
}
