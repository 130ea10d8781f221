#include "folder_list.h"

#include "system_services.h"
#include "visible_text.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>

namespace {

QString clean_folder(const QString& folder)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
}

// A folder icon drawn here: the style's own comes from the desktop's icon theme, and finding
// it there costs thousands of file look-ups before the window can show.
QIcon draw_folder_icon(bool open)
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(QPen(QColor(0x8a, 0x6a, 0x1d), 1));
        painter.setBrush(QColor(0xe8, 0xc0, 0x5a));
        // The tab and the back, then the front: flat when closed, tilted open.
        painter.drawPolygon(
            QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
        painter.setBrush(QColor(0xf6, 0xd8, 0x80));
        if (open)
            painter.drawPolygon(QPolygonF({{3.5, 7}, {15.5, 7}, {13.5, 13.5}, {1.5, 13.5}}));
        else
            painter.drawRect(QRectF(1.5, 6.5, 13, 7));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QIcon& folder_icon(bool open)
{
    static const QIcon icons[] = {draw_folder_icon(false), draw_folder_icon(true)};
    return icons[open ? 1 : 0];
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
    if (!info.isDir() || !info.isReadable() || !QDir(folder).isReadable())
        return false;
    const QString cleaned = clean_folder(folder);
    const bool changed = cleaned != m_path;
    m_path = cleaned;
    refresh();
    if (changed)
        emit path_changed();
    return true;
}

void FolderList::set_drive_root_lookup(std::function<QString(const QString&)> lookup)
{
    m_drive_root_of = std::move(lookup);
    refresh();
}

void FolderList::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;

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
    const auto add_row = [&](bool open, const QString& name, const QString& folder) {
        auto* item = new QListWidgetItem(folder_icon(open),
                                         QString(depth * 2, QLatin1Char(' ')) + visible_controls(name), this);
        item->setData(Qt::UserRole, folder);
    };
    for (const QString& folder : chain) {
        add_row(true, depth == 0 ? folder : QFileInfo(folder).fileName(), folder);
        ++depth;
    }
    setCurrentRow(count() - 1);

    QStringList subfolders =
        m_system ? m_system->folder_entries(m_path, EntryKinds::Folders).folders : QStringList();
    std::sort(subfolders.begin(), subfolders.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const QDir open_folder(QDir::fromNativeSeparators(m_path));
    for (const QString& name : subfolders)
        add_row(false, name, QDir::toNativeSeparators(open_folder.filePath(name)));
}

void FolderList::open_row(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString folder = item->data(Qt::UserRole).toString();
    if (!set_path(folder))
        emit open_failed(folder);
}
