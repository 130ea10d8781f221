#include "drive_list.h"

#include "system_services.h"

#include <QFileInfo>

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QString root = index >= 0 ? itemData(index).toString() : QString();
        if (root == m_shown)
            return;
        m_shown = root;
        emit drive_changed();
    });
}

void DriveList::refresh_drives()
{
    const QSignalBlocker blocker(this);
    const QString shown = m_shown;
    clear();
    if (m_system)
        for (const QString& root : m_system->drives())
            addItem(root, root);
    if (!shown.isEmpty())
        select_root(shown);
    else if (count() > 0)
        m_shown = itemData(0).toString();
}

void DriveList::set_system(SystemServices& system)
{
    m_system = &system;
    m_shown.clear();
    refresh_drives();
}

void DriveList::showPopup()
{
    refresh_drives();
    QComboBox::showPopup();
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

QString DriveList::drive_of(const QString& path) const
{
    if (!m_system)
        return {};
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots << itemData(i).toString();
    return drive_root_of(path, roots, m_system->desktop_system());
}

void DriveList::set_drive_from_path(const QString& path)
{
    QString root = drive_of(path);
    if (root.isEmpty()) {
        refresh_drives();
        root = drive_of(path);
    }
    if (root.isEmpty())
        return;
    select_root(root);
    // currentIndexChanged emits drive_changed when the drive differs.
}

std::optional<QString> DriveList::current_folder_of(const QString& root) const
{
    if (root.isEmpty() || !m_system || !m_system->drive_available(root))
        return std::nullopt;
    const QString last = m_last_folder.value(root);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return root;
}

void DriveList::remember_folder(const QString& folder)
{
    const QString root = drive_of(folder);
    if (!root.isEmpty())
        m_last_folder.insert(root, folder);
}
