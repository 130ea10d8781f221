#include "play_list.h"

#include <algorithm>

int usable_capacity(const PlayList& list)
{
    return std::clamp<int>(list.list_capacity, 0, static_cast<int>(list.list_entries.size()));
}

bool add_entry(PlayList& list, const QString& name)
{
    if (list.list_count < 0 || list.list_count >= usable_capacity(list))
        return false;
    list.list_entries[list.list_count] = name;
    ++list.list_count;
    return true;
}

void clear_entries(PlayList& list)
{
    for (int i = 0; i < usable_capacity(list); ++i)
        list.list_entries[i].clear();
    list.list_count = 0;
}

QStringList entries_in_use(const PlayList& list)
{
    QStringList entries;
    for (int i = 0; i < usable_capacity(list); ++i) {
        if (list.list_entries[i].isEmpty())
            break;
        entries << list.list_entries[i];
    }
    return entries;
}

QStringList load_entries(PlayList& list, const QStringList& lines)
{
    clear_entries(list);
    const int count = std::min<int>(lines.size(), usable_capacity(list));
    for (int i = 0; i < count; ++i)
        list.list_entries[i] = lines[i];
    return lines.mid(0, count);
}

bool is_listable_name(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char('\n'));
}
