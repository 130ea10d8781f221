#include "list_walk.h"

#include <algorithm>

void ListWalk::start()
{
    m_row = 0;
    m_playing = false;
    m_running = true;
}

void ListWalk::end()
{
    m_running = false;
    m_playing = false;
}

int ListWalk::advance(const PlayList& list)
{
    if (!m_running)
        return -1;
    const int next = m_playing ? m_row + 1 : m_row;
    if (next >= list.list_capacity || list.list_entries[next].isEmpty()) {
        end();
        return -1;
    }
    m_row = next;
    m_playing = true;
    return next;
}

void ListWalk::follow(const QList<int>& moved_to)
{
    if (!m_running)
        return;
    if (m_row < moved_to.size() && moved_to[m_row] >= 0) {
        m_row = moved_to[m_row];
        return;
    }
    // The entry is gone (or was not there yet): the first kept entry after it comes next,
    // followed through later edits as itself; none kept: whatever is added at the end.
    m_playing = false;
    const auto kept_after = std::find_if(moved_to.begin() + std::min<qsizetype>(m_row + 1, moved_to.size()),
                                         moved_to.end(), [](int row) { return row >= 0; });
    m_row = kept_after != moved_to.end()
                ? *kept_after
                : int(std::count_if(moved_to.begin(), moved_to.end(), [](int row) { return row >= 0; }));
}

int ListWalk::playing_row() const { return m_running && m_playing ? m_row : -1; }
