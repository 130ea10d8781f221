#include "drive_list.h"

#include "drives.h"

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    refresh_drives();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QString root = index >= 0 ? itemData(index).toString() : QString();
        if (root == m_shown)
            return;
        m_shown = root;
        emit drive_changed();
    });
}

QString DriveList::drive() const
{
    return m_shown;
}

void DriveList::refresh_drives()
{
    const QSignalBlocker blocker(this);
    const QString shown = m_shown;
    clear();
    for (const QString& root : drive_roots())
        addItem(root, root);
    if (!shown.isEmpty())
        select_root(shown);
    else if (count() > 0)
        m_shown = itemData(0).toString();
}

void DriveList::select_root(const QString& root)
{
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void DriveList::set_drive_from_path(const QString& path)
{
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots << itemData(i).toString();
    QString root = drive_root_of(path, roots);
    if (root.isEmpty()) {
        refresh_drives();
        roots = drive_roots();
        root = drive_root_of(path, roots);
    }
    if (root.isEmpty())
        return;
    select_root(root);
    // currentIndexChanged emits drive_changed when the drive differs.
}

QString DriveList::current_folder_of(const QString& root) const
{
    return m_last_folder.value(root, root);
}

void DriveList::remember_folder(const QString& folder)
{
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots << itemData(i).toString();
    const QString root = drive_root_of(folder, roots);
    if (!root.isEmpty())
        m_last_folder.insert(root, folder);
}
