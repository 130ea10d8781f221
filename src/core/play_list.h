#pragma once
// Operations on the play list held in the AppState.

#include "app_state.h"

#include <QStringList>

// Number of slots every loop may touch: list_capacity, never past the array.
int usable_capacity(const PlayList& list);

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
