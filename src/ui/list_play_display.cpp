#include "list_play_display.h"

#include <QLabel>
#include <QListWidget>
#include <QStyle>

namespace {
QString playing_text(const QString& name) { return QStringLiteral("演奏中：") + name; }
} // namespace

ListPlayDisplay::ListPlayDisplay(QListWidget* list, QLabel* status) : m_list(list), m_status(status) {}

void ListPlayDisplay::show(const QString& name, int row, int total)
{
    mark(row);
    // Without a row the entry left the list; its place in it is gone too.
    m_status->setText(row < 0 ? playing_text(name)
                              : playing_text(name) + QStringLiteral(" (%1/%2)").arg(row + 1).arg(total));
}

void ListPlayDisplay::clear()
{
    mark(-1);
    m_status->clear();
}

void ListPlayDisplay::mark(int row)
{
    const QIcon playing = m_list->style()->standardIcon(QStyle::SP_MediaPlay);
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        const bool marked = i == row;
        if (!marked && !item->data(Qt::DecorationRole).isValid())
            continue;
        item->setData(Qt::DecorationRole, marked ? QVariant(playing) : QVariant());
        item->setData(Qt::AccessibleTextRole, marked ? QVariant(playing_text(item->text())) : QVariant());
    }
}
