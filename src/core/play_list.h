#pragma once
// Operations on the play list held in the AppState.

#include "app_state.h"

#include <QList>
#include <QStringList>

// Stores the name at list_count and raises it. False, changing nothing, when the list is full.
bool add_entry(PlayList& list, const QString& name);

// Empties every slot and sets list_count to 0.
void clear_entries(PlayList& list);

// The entries from index 0 up to, not including, the first empty one.
QStringList entries_in_use(const PlayList& list);

// Empties the list, then stores the lines from index 0 on, at most list_capacity of them,
// unchanged (an empty line becomes an empty slot). list_count stays 0. The lines stored.
QStringList load_entries(PlayList& list, const QStringList& lines);

// True when the name can be a play-list entry: not empty, no CR or LF.
bool is_listable_name(const QString& name);

// The edits of the shown rows (the first `rows` slots; an album may show empty ones). Each
// leaves list_count at the number of rows, so add_entry appends after the last one.
struct ListEdit {
    QList<int> moved_to; // for each row before the edit: its row after it, -1 when removed
    QList<int> selected; // the rows to select after the edit
};

// Removes the selected rows; the rows after them move up and the slots left over are
// emptied. Selected is the row that followed the last removed one (the last row when none
// followed), so removing again goes on down the list.
ListEdit remove_entries(PlayList& list, int rows, const QList<int>& selected);

// Whether every selected row can move one place up (step -1) or down (step 1).
bool can_move_entries(int rows, const QList<int>& selected, int step);
// Moves each selected row one place up or down, keeping their order; nothing moves when one
// of them is already at that end.
ListEdit move_entries(PlayList& list, int rows, const QList<int>& selected, int step);
// Moves the selected rows, in their order, to stand before row `before` of the list as it
// was (rows: after the last one), as a drag does.
ListEdit move_entries_before(PlayList& list, int rows, const QList<int>& selected, int before);

// The identity edit of `rows` rows: rows added after them, none moved.
QList<int> rows_kept(int rows);
