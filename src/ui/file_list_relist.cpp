// The file list following its folder: the names that came or went, not a whole new list.

#include "file_list.h"
#include "listing_change.h"

#include <QDir>
#include <QScopedValueRollback>

namespace {
constexpr std::size_t kMostSteps = 256; // past this a whole read and sort is quicker
}

void FileList::relist()
{
    QList<QByteArray> foreign;
    const QStringList now = read_names(foreign);
    // Foreign names are kept by row; a folder with any is read whole.
    if (!foreign.isEmpty() || !m_foreign.isEmpty())
        return refresh();
    apply(listing_change(names(), now));
}

void FileList::relist(const QStringList& changed)
{
    if (!m_foreign.isEmpty() || static_cast<std::size_t>(changed.size()) > kMostSteps)
        return relist();
    const QDir folder(QDir::fromNativeSeparators(m_path));
    QHash<QString, bool> there;
    for (const QString& name : changed)
        there.insert(name, would_list(folder.filePath(name)));
    apply(listing_change(names(), there));
}

void FileList::apply(const ListingChange& change)
{
    if (change.removed.size() + static_cast<std::size_t>(change.added.size()) > kMostSteps)
        return refresh();
    if (change.removed.empty() && change.added.isEmpty())
        return;
    const QString selected = selected_name();
    const QScopedValueRollback quiet(m_rereading, true);
    for (const qsizetype row : change.removed)
        m_model.removeRows(static_cast<int>(row), 1);
    for (const QString& name : change.added) {
        const int row = static_cast<int>(listing_row(m_model.stringList(), name));
        m_model.insertRows(row, 1);
        m_model.setData(m_model.index(row), name);
    }
    // A removed row hands the current index to its neighbour: the selection stays on its
    // name, or goes with it.
    const int row = selected.isEmpty() ? -1 : static_cast<int>(listing_row(m_model.stringList(), selected));
    if (row >= 0 && row < m_model.rowCount() && m_model.stringList().at(row) == selected)
        selectionModel()->setCurrentIndex(m_model.index(row), QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clear();
}
