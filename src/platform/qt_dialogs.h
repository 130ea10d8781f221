#pragma once
// Dialogs shown with Qt's own message box and file dialog.

#include "dialogs.h"

class QtDialogs final : public Dialogs {
public:
    // The program ends: every dialog still open is closed (also a desktop's own file dialog,
    // which runs a loop of its own that ending Qt's loops does not end), and from now on every
    // box and file dialog answers at once, as No or cancelled, without showing.
    void end_all();

    MessageAnswer message(QWidget* parent, const QString& text, MessageButtons buttons, MessageIcon icon,
                          const QString& title, MessageAnswer default_answer) override;
    std::optional<QString> save_file(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> open_file(QWidget* parent, const FileDialogRequest& request) override;

private:
    bool m_ended = false;
};
