#pragma once
// The modal dialog of "フォルダを開く...": a folder typed with path completion (hidden folders
// too, "~" for the home folder).

#include <QDialog>

class QLineEdit;
class QPushButton;

class OpenFolderDialog : public QDialog {
    Q_OBJECT
public:
    // Starts with shown_folder in the field, all of it selected.
    explicit OpenFolderDialog(const QString& shown_folder, QWidget* parent = nullptr);

    // The folder the field names once accepted: "~" expanded, a relative path taken below the
    // shown folder; empty when the field is.
    QString folder() const;

    QLineEdit* Txt_Folder = nullptr;
    QPushButton* Cmd_OK = nullptr;
    QPushButton* Cmd_Cnl = nullptr;

private:
    QString m_shown_folder;
};
