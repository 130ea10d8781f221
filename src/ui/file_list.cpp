#include "file_list.h"

#include "folder_entries.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// The file patterns of the list ("*.txt;*.rav"), matched without regard to case. A plain
// "*.ext" pattern is a suffix test; anything else is a wildcard expression.
class NameMatcher {
public:
    explicit NameMatcher(const QString& patterns)
    {
        for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString suffix = pattern.mid(1);
            if (pattern.startsWith(QLatin1Char('*')) && !suffix.contains(QLatin1Char('*'))
                && !suffix.contains(QLatin1Char('?')) && !suffix.contains(QLatin1Char('[')))
                m_suffixes << suffix;
            else
                m_expressions << QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                                    QRegularExpression::CaseInsensitiveOption);
        }
    }

    bool matches(const QString& name) const
    {
        for (const QString& suffix : m_suffixes)
            if (name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive))
                return true;
        for (const QRegularExpression& expression : m_expressions)
            if (expression.match(name).hasMatch())
                return true;
        return false;
    }

private:
    QStringList m_suffixes;
    QList<QRegularExpression> m_expressions;
};

// Names in the order the list shows them: without regard to case, then by exact text.
// The folded names sit in one buffer and are compared in place, so 100,000 of them sort
// quickly.
QStringList sorted_names(const QStringList& names)
{
    struct Key {
        qsizetype offset; // in folded
        qsizetype length;
        qsizetype index; // in names
    };
    std::u16string folded;
    std::vector<Key> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString key = names[i].toCaseFolded();
        keys.push_back({static_cast<qsizetype>(folded.size()), key.size(), i});
        folded.append(reinterpret_cast<const char16_t*>(key.utf16()), key.size());
    }
    const char16_t* base = folded.data();
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        const char16_t* pa = base + a.offset;
        const char16_t* pb = base + b.offset;
        const qsizetype common = std::min(a.length, b.length);
        for (qsizetype i = 0; i < common; ++i)
            if (pa[i] != pb[i])
                return pa[i] < pb[i];
        if (a.length != b.length)
            return a.length < b.length;
        return names[a.index] < names[b.index];
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Key& key : keys)
        sorted << names[key.index];
    return sorted;
}

} // namespace

FileList::FileList(QWidget* parent) : QListView(parent)
{
    setModel(&m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
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

void FileList::refresh() { reread(); }

void FileList::reread()
{
    QStringList names;
    if (!m_path.isEmpty()) {
        const NameMatcher matcher(m_pattern);
        for (QString& name : read_folder_entries(m_path, EntryKinds::Files).files)
            if (matcher.matches(name))
                names << std::move(name);
        names = sorted_names(names);
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
