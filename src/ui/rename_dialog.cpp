#include "rename_dialog.h"

#include "app_state.h"
#include "control_placement.h"
#include "dialogs.h"
#include "file_list.h"
#include "file_names.h"
#include "fonts.h"
#include "window_messages.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Enter presses the focused button, as Space does.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

RenameDialog::RenameDialog(AppState& state, FileList* files, TargetDisplay target, Dialogs& dialogs,
                           QWidget* parent)
    : QDialog(parent), m_state(state), m_files(files), m_target(target), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ファイル名変更"));
    setFont(proportional_japanese_font());
    make_fixed_dialog(*this, 3600, 1125);

    // Created in tab order.
    Txt_NewName = place_control<QLineEdit>(this, "Txt_NewName", 240, 120, 2835, 315);
    Cmd_OK = place_control<QPushButton>(this, "Cmd_OK", 240, 600, 1395, 315);
    Cmd_OK->setText(QStringLiteral("OK"));
    Cmd_Cnl = place_control<QPushButton>(this, "Cmd_Cnl", 1800, 600, 1275, 315);
    Cmd_Cnl->setText(QStringLiteral("キャンセル"));
    // Enter in the name field presses OK, as in the options dialog; Enter on a focused
    // button presses that button.
    Cmd_OK->setAutoDefault(false);
    Cmd_Cnl->setAutoDefault(false);
    Cmd_OK->setDefault(true);
    auto* enter = new EnterPressesButton(this);
    Cmd_OK->installEventFilter(enter);
    Cmd_Cnl->installEventFilter(enter);
    Txt_NewName->setAccessibleName(QStringLiteral("新しいファイル名"));
    fit_captions(*this);

    Txt_NewName->setText(m_files->selected_name());

    connect(Cmd_OK, &QPushButton::clicked, this, [this] { confirm(); });
    connect(Cmd_Cnl, &QPushButton::clicked, this, [this] { reject(); });
}

void RenameDialog::confirm()
{
    const QString new_name = Txt_NewName->text();
    if (new_name.isEmpty()) {
        m_dialogs.message(this, kNoNewNameMessage);
        return;
    }
    // The file stays in its folder: a name is no path.
    if (!is_plain_file_name(new_name)) {
        m_dialogs.message(this, kNameIsPathMessage);
        return;
    }
    const QString old_name = m_files->selected_name();
    const QString folder = m_files->path();

    const MessageAnswer answer =
        m_dialogs.message(this, kRenameQuestion.arg(old_name, new_name), MessageButtons::YesNo,
                          MessageIcon::None, kRenameTitle, MessageAnswer::Yes);
    if (answer == MessageAnswer::Yes) {
        if (!rename_file_keeping_others(folder, old_name, new_name))
            m_dialogs.message(this, kRenameFailedMessage);
        // Renamed or not, the old target may no longer name the file.
        m_state.target_file.clear();
        m_target.show(m_state.target_file);
        accept();
    } else {
        m_dialogs.message(this, kRenameDeclinedMessage);
        reject();
    }
}
