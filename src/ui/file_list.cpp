#include "file_list.h"

#include "system_services.h"
#include "text_codec.h"
#include "visible_text.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScopedValueRollback>

#include <algorithm>
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

// The order the list shows the names in, as indices into names: without regard to case,
// then by exact text.
std::vector<qsizetype> sorted_order(const QStringList& names)
{
    std::vector<std::pair<QString, qsizetype>> keys; // the folded name and its index
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.emplace_back(names[i].toCaseFolded(), i);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : names[a.second] < names[b.second];
    });
    std::vector<qsizetype> order;
    order.reserve(keys.size());
    for (const auto& key : keys)
        order.push_back(key.second);
    return order;
}

} // namespace

QVariant FileNameModel::data(const QModelIndex& index, int role) const
{
    const QVariant value = QStringListModel::data(index, role);
    return role == Qt::DisplayRole ? QVariant(visible_controls(value.toString())) : value;
}

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
        announce_selection();
    });
    // Not activated(): some styles activate on a single click.
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit file_activated();
    });
}

// Focus coming into the list (Tab, or back from a closed box) chooses no file: the view
// would make its first row current, which here reads as a selection of it.
void FileList::focusInEvent(QFocusEvent* event)
{
    const bool had_current = selectionModel()->currentIndex().isValid();
    const QScopedValueRollback quiet(m_rereading, true);
    QListView::focusInEvent(event);
    if (!had_current)
        selectionModel()->clearCurrentIndex();
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    ++m_action;
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
    ++m_action;
    QListView::mousePressEvent(event);
    if (m_selection_moved || event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index == before && index == selectionModel()->currentIndex())
        announce_selection();
}

void FileList::announce_selection()
{
    if (!m_foreign.contains(selected_index()))
        emit selection_changed();
    else if (std::exchange(m_foreign_told, m_action) != m_action)
        emit foreign_name_selected();
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
    const QString name = selected_name();
    const QByteArray foreign = selected_foreign_name();
    reread();
    if (name.isEmpty())
        return;
    const QStringList listed = names();
    for (qsizetype row = listed.indexOf(name); row >= 0; row = listed.indexOf(name, row + 1)) {
        if (m_foreign.value(static_cast<int>(row)) != foreign)
            continue; // a foreign name shown as this one, or the other way round
        const QScopedValueRollback quiet(m_rereading, true);
        selectionModel()->setCurrentIndex(m_model.index(static_cast<int>(row)),
                                          QItemSelectionModel::ClearAndSelect);
        return;
    }
}

QStringList FileList::read_names(QList<QByteArray>& foreign) const
{
    QStringList names;
    if (!m_path.isEmpty() && m_system) {
        const NameMatcher matcher(m_pattern);
        FolderEntries entries = m_system->folder_entries(m_path, EntryKinds::Files);
        for (QString& name : entries.files)
            if (matcher.matches(name))
                names << std::move(name);
        for (const QByteArray& bytes : entries.foreign_files) {
            QString shown = decode_as(bytes, TextCodec::Cp932);
            if (matcher.matches(shown)) {
                names << std::move(shown);
                foreign << bytes;
            }
        }
    }
    return names;
}

bool FileList::would_list(const QString& path) const
{
    const QFileInfo file(QDir::fromNativeSeparators(path));
    const QString name = file.fileName();
    return !name.startsWith(QLatin1Char('.')) && file.isFile() && NameMatcher(m_pattern).matches(name);
}

void FileList::reread()
{
    QList<QByteArray> foreign; // for the names from index `ordinary` on
    const QStringList names = read_names(foreign);
    const qsizetype ordinary = names.size() - foreign.size();
    QStringList sorted;
    sorted.reserve(names.size());
    m_foreign.clear();
    for (const qsizetype index : sorted_order(names)) {
        if (index >= ordinary)
            m_foreign.insert(static_cast<int>(sorted.size()), foreign[index - ordinary]);
        sorted << names[index];
    }
    const QScopedValueRollback quiet(m_rereading, true);
    m_model.setStringList(sorted);
    selectionModel()->clear();
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

void FileList::clear_selection()
{
    const QScopedValueRollback quiet(m_rereading, true);
    selectionModel()->clear();
}

void FileList::select_index(int index)
{
    if (index < 0 || index >= m_model.rowCount())
        return;
    ++m_action;
    // On the row already current the model stays silent; a click would still announce it.
    const QModelIndex row = m_model.index(index);
    const bool already_current = row == selectionModel()->currentIndex();
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    if (already_current)
        announce_selection();
}
