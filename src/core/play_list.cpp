#include "play_list.h"

#include <algorithm>
#include <numeric>

namespace {

// The selected rows that exist, in order, each once.
QList<int> rows_in(int rows, QList<int> selected)
{
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    selected.removeIf([rows](int row) { return row < 0 || row >= rows; });
    return selected;
}

int shown_rows(const PlayList& list, int rows) { return std::clamp(rows, 0, int(list.list_capacity)); }

// Puts the rows in the new order (old row of each new row); the ones not named are removed.
QList<int> reorder(PlayList& list, int rows, const QList<int>& order)
{
    QList<int> moved_to(rows, -1);
    std::array<QString, kListCapacity> entries;
    for (int row = 0; row < order.size(); ++row) {
        entries[row] = list.list_entries[order[row]];
        moved_to[order[row]] = row;
    }
    list.list_entries = entries;
    list.list_count = static_cast<std::int16_t>(order.size());
    return moved_to;
}

} // namespace

bool add_entry(PlayList& list, const QString& name)
{
    if (list.list_count >= list.list_capacity)
        return false;
    list.list_entries[list.list_count] = name;
    ++list.list_count;
    return true;
}

void clear_entries(PlayList& list)
{
    list.list_entries.fill(QString());
    list.list_count = 0;
}

QStringList entries_in_use(const PlayList& list)
{
    QStringList entries;
    for (int i = 0; i < list.list_capacity && !list.list_entries[i].isEmpty(); ++i)
        entries << list.list_entries[i];
    return entries;
}

QStringList load_entries(PlayList& list, const QStringList& lines)
{
    clear_entries(list);
    const int count = std::min<int>(lines.size(), list.list_capacity);
    for (int i = 0; i < count; ++i)
        list.list_entries[i] = lines[i];
    return lines.mid(0, count);
}

bool is_listable_name(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char('\n'));
}

ListEdit remove_entries(PlayList& list, int rows, const QList<int>& selected)
{
    rows = shown_rows(list, rows);
    const QList<int> removed = rows_in(rows, selected);
    QList<int> order;
    for (int row = 0; row < rows; ++row)
        if (!removed.contains(row))
            order << row;
    ListEdit edit{reorder(list, rows, order), {}};
    if (removed.isEmpty() || order.isEmpty())
        return edit;
    const int after = removed.last() + 1;
    edit.selected << (after < rows ? edit.moved_to[after] : int(order.size()) - 1);
    return edit;
}

bool can_move_entries(int rows, const QList<int>& selected, int step)
{
    const QList<int> moving = rows_in(rows, selected);
    if (moving.isEmpty() || (step != -1 && step != 1))
        return false;
    return step < 0 ? moving.first() > 0 : moving.last() < rows - 1;
}

ListEdit move_entries(PlayList& list, int rows, const QList<int>& selected, int step)
{
    rows = shown_rows(list, rows);
    const QList<int> moving = rows_in(rows, selected);
    QList<int> order(rows);
    std::iota(order.begin(), order.end(), 0);
    if (can_move_entries(rows, moving, step)) {
        // Each selected row swaps with its neighbour, the nearest to the moving end first,
        // so a block of rows moves as one.
        if (step < 0)
            for (int row : moving)
                std::swap(order[row], order[row - 1]);
        else
            for (qsizetype i = moving.size() - 1; i >= 0; --i)
                std::swap(order[moving[i]], order[moving[i] + 1]);
    }
    ListEdit edit{reorder(list, rows, order), {}};
    for (int row : moving)
        edit.selected << edit.moved_to[row];
    return edit;
}

ListEdit move_entries_before(PlayList& list, int rows, const QList<int>& selected, int before)
{
    rows = shown_rows(list, rows);
    const QList<int> moving = rows_in(rows, selected);
    before = std::clamp(before, 0, rows);
    QList<int> order;
    for (int row = 0; row < rows; ++row)
        if (!moving.contains(row))
            order << row;
    const auto moving_above =
        std::count_if(moving.begin(), moving.end(), [before](int row) { return row < before; });
    const int at = before - int(moving_above);
    for (int i = 0; i < moving.size(); ++i)
        order.insert(at + i, moving[i]);
    ListEdit edit{reorder(list, rows, order), {}};
    for (int i = 0; i < moving.size(); ++i)
        edit.selected << at + i;
    return edit;
}

QList<int> rows_kept(int rows)
{
    QList<int> kept(std::max(rows, 0));
    std::iota(kept.begin(), kept.end(), 0);
    return kept;
}
