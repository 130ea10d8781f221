#pragma once
// The drive list: one row a drive; knows the folder last visited on each drive.

#include <QComboBox>
#include <QHash>
#include <optional>

class SystemServices;

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString drive() const { return m_shown; }      // root of the shown drive
    void set_drive_from_path(const QString& path); // takes the path's drive
    void refresh_drives();                         // re-reads the drives, keeps the shown one

    // Where the drives come from; re-reads them without a change notification. The list
    // stays empty until this is called.
    void set_system(SystemServices& system);

    // The root of the drive that holds the path, or empty when no listed drive does.
    QString drive_of(const QString& path) const;

    // The folder current on a drive: the last one visited on it in this run while it still
    // exists, else its root. Nothing when the drive is not available.
    std::optional<QString> current_folder_of(const QString& root) const;
    void remember_folder(const QString& folder);

signals:
    // The shown drive changed, by the user or by the program.
    void drive_changed();

protected:
    // Opening the list re-reads the drives, so a volume mounted meanwhile shows up.
    void showPopup() override;

private:
    void select_root(const QString& root);

    SystemServices* m_system = nullptr;
    QHash<QString, QString> m_last_folder;
    QString m_shown;
};
