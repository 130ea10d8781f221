#pragma once
// The modal rename dialog "ファイル名変更": a new name for the file selected in the file list.

#include <QDialog>

class QLineEdit;
class QPushButton;
struct WindowContext;

class RenameDialog : public QDialog {
    Q_OBJECT
public:
    // Starts with the file list's selected name (empty when none is selected).
    explicit RenameDialog(WindowContext& context, QWidget* parent = nullptr);

    QLineEdit* Txt_NewName = nullptr;
    QPushButton* Cmd_OK = nullptr;
    QPushButton* Cmd_Cnl = nullptr;

private:
    void confirm();

    WindowContext& m_context;
};
