#pragma once
// List1, the play list box: rows picked by click, Shift and Ctrl, dragged to a new place
// inside the list (a move, never a copy); files dragged in from elsewhere are left to the
// window.

#include <QListWidget>

class PlayListView : public QListWidget {
    Q_OBJECT
public:
    explicit PlayListView(QWidget* parent = nullptr);

    // The rows selected, in order.
    QList<int> selected_rows() const;
    // Selects these rows only, the first of them current.
    void select_rows(const QList<int>& rows);

signals:
    // Rows of this list dropped before row `before` (count(): after the last row).
    void rows_dropped(const QList<int>& rows, int before);

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The rows a drag from this very list carries; empty for any other drag.
    QList<int> own_rows(const QMimeData* data) const;
    int row_before(const QPoint& at) const;
};
