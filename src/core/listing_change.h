#pragma once
// How a sorted listing of names becomes what a folder holds now, as rows to remove and
// names to insert, so a list that follows the disk is not rebuilt for one new file.

#include <QHash>
#include <QStringList>

#include <vector>

// The file list's order: without regard to case, then by exact text.
bool listed_before(const QString& a, const QString& b);

struct ListingChange {
    std::vector<qsizetype> removed; // rows of the old listing, last row first
    QStringList added;              // names not listed before, in listing order
};

// listed is sorted by listed_before and holds no name twice; now is in any order.
ListingChange listing_change(const QStringList& listed, const QStringList& now);

// The row a name takes in a listing sorted by listed_before.
qsizetype listing_row(const QStringList& listed, const QString& name);

// The same for names known to have changed, each there now (true) or not.
ListingChange listing_change(const QStringList& listed, const QHash<QString, bool>& there);
