#pragma once
// What a list play shows while it runs: a mark on the row being played in List1 (an icon and
// the accessible text, the row's own text untouched) and "演奏中：name (n/N)" in the status bar.

#include <QString>

class QLabel;
class QListWidget;

class ListPlayDisplay {
public:
    ListPlayDisplay(QListWidget* list, QLabel* status);

    // The entry `name` plays; row is its row (-1: it was removed from the list), total the
    // number of entries in use.
    void show(const QString& name, int row, int total);
    // The play is over: no mark, no text.
    void clear();

private:
    void mark(int row);

    QListWidget* m_list;
    QLabel* m_status;
};
