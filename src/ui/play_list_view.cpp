#include "play_list_view.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>

namespace {
const QString kRowsFormat = QStringLiteral("application/x-ravufiler-list-rows");

// Names this list in this process, so a drag from another window or program never counts.
QByteArray list_tag(const PlayListView* view)
{
    return QByteArray::number(QApplication::applicationPid()) + ':'
           + QByteArray::number(reinterpret_cast<quintptr>(view));
}
} // namespace

PlayListView::PlayListView(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Drags enabled, drops taken on the viewport, the drop indicator shown.
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
}

QList<int> PlayListView::selected_rows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PlayListView::select_rows(const QList<int>& rows)
{
    clearSelection();
    // The first row selected last, so it is the current one.
    for (qsizetype i = rows.size() - 1; i >= 0; --i)
        if (QListWidgetItem* row = item(rows[i])) {
            setCurrentItem(row, QItemSelectionModel::Select);
            scrollToItem(row);
        }
}

QMimeData* PlayListView::mimeData(const QList<QListWidgetItem*>& items) const
{
    QMimeData* data = QListWidget::mimeData(items);
    if (!data)
        return nullptr;
    QList<int> rows;
    for (const QListWidgetItem* dragged : items)
        rows << row(dragged);
    std::sort(rows.begin(), rows.end());
    QByteArray text = list_tag(this);
    for (int dragged : rows)
        text += ' ' + QByteArray::number(dragged);
    data->setData(kRowsFormat, text);
    return data;
}

QList<int> PlayListView::own_rows(const QMimeData* data) const
{
    if (!data || !data->hasFormat(kRowsFormat))
        return {};
    const QList<QByteArray> parts = data->data(kRowsFormat).split(' ');
    if (parts.value(0) != list_tag(this))
        return {};
    QList<int> rows;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        bool ok = false;
        const int dragged = parts[i].toInt(&ok);
        if (!ok || dragged < 0 || dragged >= count())
            return {};
        rows << dragged;
    }
    return rows;
}

int PlayListView::row_before(const QPoint& at) const
{
    const QModelIndex index = indexAt(at);
    if (!index.isValid())
        return at.y() < 0 ? 0 : count();
    return visualRect(index).center().y() <= at.y() ? index.row() + 1 : index.row();
}

void PlayListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (own_rows(event->mimeData()).isEmpty()) {
        event->ignore(); // the window's own drop rules apply
        return;
    }
    QListWidget::dragEnterEvent(event);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void PlayListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (own_rows(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    QListWidget::dragMoveEvent(event); // the drop indicator and the scrolling
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void PlayListView::dropEvent(QDropEvent* event)
{
    const QList<int> rows = own_rows(event->mimeData());
    if (rows.isEmpty()) {
        event->ignore();
        return;
    }
    // The play list moves the rows itself; no action left for the drag's source, which
    // would otherwise remove the rows it carried once more.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    emit rows_dropped(rows, row_before(event->position().toPoint()));
}
