#include "listing_change.h"

#include <QSet>

#include <algorithm>
#include <functional>

bool listed_before(const QString& a, const QString& b)
{
    const int folded = QString::compare(a.toCaseFolded(), b.toCaseFolded(), Qt::CaseSensitive);
    return folded != 0 ? folded < 0 : a < b;
}

ListingChange listing_change(const QStringList& listed, const QStringList& now)
{
    ListingChange change;
    const QSet<QString> before(listed.begin(), listed.end());
    qsizetype kept = 0;
    for (const QString& name : now) {
        if (before.contains(name))
            ++kept;
        else
            change.added << name;
    }
    // Every old name still there: nothing to remove, and no second set to build.
    if (kept != listed.size()) {
        const QSet<QString> after(now.begin(), now.end());
        for (qsizetype row = listed.size() - 1; row >= 0; --row)
            if (!after.contains(listed[row]))
                change.removed.push_back(row);
    }
    std::sort(change.added.begin(), change.added.end(), listed_before);
    return change;
}

qsizetype listing_row(const QStringList& listed, const QString& name)
{
    return std::lower_bound(listed.begin(), listed.end(), name, listed_before) - listed.begin();
}

ListingChange listing_change(const QStringList& listed, const QHash<QString, bool>& there)
{
    ListingChange change;
    for (auto it = there.begin(); it != there.end(); ++it) {
        const qsizetype row = listing_row(listed, it.key());
        const bool is_listed = row < listed.size() && listed[row] == it.key();
        if (it.value() && !is_listed)
            change.added << it.key();
        else if (!it.value() && is_listed)
            change.removed.push_back(row);
    }
    std::sort(change.removed.begin(), change.removed.end(), std::greater<>());
    std::sort(change.added.begin(), change.added.end(), listed_before);
    return change;
}
