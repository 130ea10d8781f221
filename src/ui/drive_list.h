#pragma once
// The drive list: one row a drive; knows the folder last visited on each drive.

#include <QComboBox>
#include <QHash>

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString drive() const;                        // root of the shown drive
    void set_drive_from_path(const QString& path); // takes the path's drive
    void refresh_drives();

    // The folder current on a drive: the last one visited on it in this run, else its root.
    QString current_folder_of(const QString& root) const;
    void remember_folder(const QString& folder);

signals:
    // The shown drive changed, by the user or by the program.
    void drive_changed();

private:
    void select_root(const QString& root);

    QHash<QString, QString> m_last_folder;
    QString m_shown;
};
