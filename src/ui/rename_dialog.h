#pragma once
// The modal rename dialog "ファイル名変更": a new name for the file selected in the file list.

#include "target_display.h"

#include <QDialog>

class Dialogs;
class FileList;
class QLineEdit;
class QPushButton;
struct AppState;

class RenameDialog : public QDialog {
    Q_OBJECT
public:
    // Renames the file selected in files, starting with its name (empty when none is
    // selected); the target is given up afterwards and target shows that.
    RenameDialog(AppState& state, FileList* files, TargetDisplay target, Dialogs& dialogs,
                 QWidget* parent = nullptr);

    QLineEdit* Txt_NewName = nullptr;
    QPushButton* Cmd_OK = nullptr;
    QPushButton* Cmd_Cnl = nullptr;

private:
    void confirm();

    AppState& m_state;
    FileList* m_files;
    TargetDisplay m_target;
    Dialogs& m_dialogs;
};
