#include "file_list.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

FileList::FileList(QWidget* parent) : QListView(parent)
{
    setModel(&m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!m_rereading && current.isValid())
                    emit selection_changed();
            });
    connect(this, &QListView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit file_activated();
    });
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
        QDirIterator it(QDir::fromNativeSeparators(m_path), filters,
                        QDir::Files | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            it.next();
            names << it.fileName();
        }
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    }
    m_rereading = true;
    m_model.setStringList(names);
    selectionModel()->clear();
    m_rereading = false;
}

int FileList::selected_index() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current))
        return -1;
    return current.row();
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
