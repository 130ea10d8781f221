#pragma once
// Where a list play stands in a play list that may be edited while it plays: the entry
// being played is followed through every edit, so the walk goes on with the entry that
// follows it in the list as it stands, and a removed one is replaced by the entry now at
// its place. Nothing is played twice, nothing the user left in the list is skipped.

#include "app_state.h"

#include <QList>

class ListWalk {
public:
    // A new walk: the first entry comes next.
    void start();
    // The walk is over (stopped, or past its last entry).
    void end();
    bool running() const { return m_running; }

    // Takes the next entry as the one playing and returns its row; -1, ending the walk, when
    // that entry is empty or past the list's capacity.
    int advance(const PlayList& list);

    // An edit of the list: moved_to holds each earlier row's new row, -1 for a removed one.
    void follow(const QList<int>& moved_to);

    // The row of the entry being played; -1 when there is none (its entry was removed, or no
    // walk runs).
    int playing_row() const;

private:
    int m_row = 0;          // the entry playing, or (m_playing false) the one to play next
    bool m_playing = false; // m_row is the entry being played
    bool m_running = false;
};
