#pragma once
// What the keyboard and the context menu do on List1: "削除" (Delete), "上へ" (Ctrl+Up),
// "下へ" (Ctrl+Down) on the selected rows, and "演奏中止" (also Escape anywhere in the main
// window) while a list play runs. Each is disabled where it cannot act.

#include <QObject>

class Launcher;
class PlayListPanel;
class PlayListView;
class QAction;
class QMenu;
class QWidget;

class PlayListActions : public QObject {
    Q_OBJECT
public:
    // The menu's actions are named List1_remove, List1_up, List1_down and List1_stop, the menu
    // List1_menu. Deleted before the list, whose model tells of its end as of a change.
    PlayListActions(PlayListView* list, PlayListPanel& panel, Launcher& launcher, QWidget& window);

    // Enables each action where it can act now (the rows, their selection or the play changed).
    void refresh();

private:
    PlayListView* m_list;
    PlayListPanel& m_panel;
    Launcher& m_launcher;
    QMenu* m_menu;
    QAction* m_remove;
    QAction* m_up;
    QAction* m_down;
    QAction* m_stop;
};
