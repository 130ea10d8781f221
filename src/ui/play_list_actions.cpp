#include "play_list_actions.h"

#include "launcher.h"
#include "play_list_panel.h"
#include "play_list_view.h"

#include <QAction>
#include <QMenu>

namespace {
QAction* list_action(QWidget* owner, const char* name, const QString& text, const QKeySequence& key,
                     Qt::ShortcutContext context)
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(context);
    owner->addAction(action);
    return action;
}
} // namespace

PlayListActions::PlayListActions(PlayListView* list, PlayListPanel& panel, Launcher& launcher,
                                 QWidget& window)
    : m_list(list), m_panel(panel), m_launcher(launcher), m_menu(new QMenu(list))
{
    // The row keys act only where the rows have the focus; the stop works window-wide.
    m_remove = list_action(list, "List1_remove", QStringLiteral("削除"), QKeySequence::Delete,
                           Qt::WidgetWithChildrenShortcut);
    m_up = list_action(list, "List1_up", QStringLiteral("上へ"), QKeySequence(Qt::CTRL | Qt::Key_Up),
                       Qt::WidgetWithChildrenShortcut);
    m_down = list_action(list, "List1_down", QStringLiteral("下へ"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                         Qt::WidgetWithChildrenShortcut);
    m_stop = list_action(&window, "List1_stop", QStringLiteral("演奏中止"), QKeySequence(Qt::Key_Escape),
                         Qt::WindowShortcut);
    m_menu->setObjectName(QStringLiteral("List1_menu"));
    m_menu->addActions({m_remove, m_up, m_down});
    m_menu->addSeparator();
    m_menu->addAction(m_stop);

    connect(m_remove, &QAction::triggered, this, [this] { m_panel.remove_selected(); });
    connect(m_up, &QAction::triggered, this, [this] { m_panel.move_selected(-1); });
    connect(m_down, &QAction::triggered, this, [this] { m_panel.move_selected(1); });
    connect(m_stop, &QAction::triggered, this, [this] { m_launcher.stop_list_play(); });

    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        refresh();
        m_menu->popup(m_list->viewport()->mapToGlobal(at));
    });
    connect(list, &QListWidget::itemSelectionChanged, this, &PlayListActions::refresh);
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, &PlayListActions::refresh);
    connect(list->model(), &QAbstractItemModel::rowsRemoved, this, &PlayListActions::refresh);
    connect(list->model(), &QAbstractItemModel::modelReset, this, &PlayListActions::refresh);
    refresh();
}

void PlayListActions::refresh()
{
    m_remove->setEnabled(m_panel.can_remove());
    m_up->setEnabled(m_panel.can_move(-1));
    m_down->setEnabled(m_panel.can_move(1));
    m_stop->setEnabled(m_launcher.list_playing());
}
