#include "folder_list.h"

#include "folder_entries.h"
#include "visible_text.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace {

QString clean_folder(const QString& folder)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
}

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this, &FolderList::open_row);
}

bool FolderList::set_path(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir() || !info.isReadable() || !QDir(folder).isReadable())
        return false;
    const QString cleaned = clean_folder(folder);
    if (cleaned == m_path) {
        fill();
        return true;
    }
    m_path = cleaned;
    fill();
    emit path_changed();
    return true;
}

void FolderList::refresh() { fill(); }

void FolderList::set_drive_root_lookup(std::function<QString(const QString&)> lookup)
{
    m_drive_root_of = std::move(lookup);
    fill();
}

void FolderList::fill()
{
    clear();
    if (m_path.isEmpty())
        return;
    const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain of open folders from the drive's root down.
    const QString root_of_path = m_drive_root_of ? m_drive_root_of(m_path) : QString();
    const QString drive_root = root_of_path.isEmpty() ? QString() : clean_folder(root_of_path);
    QStringList chain;
    QDir dir(QDir::fromNativeSeparators(m_path));
    while (true) {
        const QString folder = QDir::toNativeSeparators(dir.absolutePath());
        chain.prepend(folder);
        if (folder == drive_root || dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open_icon,
                                         QString(depth * 2, QLatin1Char(' ')) + visible_controls(name), this);
        item->setData(Qt::UserRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);

    QStringList subfolders = read_folder_entries(m_path, EntryKinds::Folders).folders;
    std::sort(subfolders.begin(), subfolders.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(closed_icon,
                                         QString(depth * 2, QLatin1Char(' ')) + visible_controls(name), this);
        item->setData(Qt::UserRole,
                      QDir::toNativeSeparators(QDir(QDir::fromNativeSeparators(m_path)).filePath(name)));
    }
}

void FolderList::open_row(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString folder = item->data(Qt::UserRole).toString();
    if (!set_path(folder))
        emit open_failed(folder);
}
