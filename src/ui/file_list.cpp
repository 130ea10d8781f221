#include "file_list.h"

#include <QDir>
#include <QDirIterator>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Names in the order the list shows them: case-insensitive, then by exact text. Folding
// each name once keeps 100,000 names quick to sort.
QStringList sorted_names(QStringList names)
{
    std::vector<std::pair<QString, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.emplace_back(names[i].toCaseFolded(), i);
    std::sort(keys.begin(), keys.end(), [&names](const auto& a, const auto& b) {
        if (const int c = a.first.compare(b.first); c != 0)
            return c < 0;
        return names[a.second] < names[b.second];
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto& key : keys)
        sorted << std::move(names[key.second]);
    return sorted;
}

} // namespace

FileList::FileList(QWidget* parent) : QListView(parent)
{
    setModel(&m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (m_rereading || !current.isValid())
                    return;
                m_selection_moved = true;
                emit selection_changed();
            });
    // Not activated(): some styles activate on a single click.
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit file_activated();
    });
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && selected_index() >= 0) {
        emit file_activated();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

// A click on the name already selected selects it again, so its preview is read afresh.
void FileList::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex before = selectionModel()->currentIndex();
    m_selection_moved = false;
    QListView::mousePressEvent(event);
    if (m_selection_moved || event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index == before && index == selectionModel()->currentIndex())
        emit selection_changed();
}

void FileList::set_path(const QString& folder)
{
    m_path = folder;
    reread();
}

void FileList::set_pattern(const QString& pattern)
{
    m_pattern = pattern;
    reread();
}

void FileList::refresh()
{
    reread();
}

void FileList::reread()
{
    QStringList names;
    if (!m_path.isEmpty()) {
        const QStringList filters = m_pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QDirIterator it(QDir::fromNativeSeparators(m_path), filters, QDir::Files);
        while (it.hasNext()) {
            it.next();
            names << it.fileName();
        }
        names = sorted_names(std::move(names));
    }
    m_rereading = true;
    m_model.setStringList(names);
    selectionModel()->clear();
    m_rereading = false;
}

// The current row is the selected name (it is announced before the view marks it).
int FileList::selected_index() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString FileList::selected_name() const
{
    const int index = selected_index();
    return index < 0 ? QString() : m_model.stringList().at(index);
}

void FileList::select_index(int index)
{
    if (index < 0 || index >= m_model.rowCount())
        return;
    selectionModel()->setCurrentIndex(m_model.index(index), QItemSelectionModel::ClearAndSelect);
}
