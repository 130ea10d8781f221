#include "file_operations.h"

#include "app_state.h"
#include "command_lines.h"
#include "editor_defaults.h"
#include "file_list.h"
#include "file_names.h"
#include "folder_list.h"
#include "main_controls.h"
#include "messages.h"
#include "rename_dialog.h"
#include "system_services.h"
#include "visible_text.h"
#include "window_messages.h"

#include <QFileInfo>
#include <QPushButton>

RecycleResult recycle_file(Dialogs& dialogs, SystemServices& system, QWidget* parent, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        dialogs.message(parent, kDeleteMissingMessage.arg(path));
        return RecycleResult::Missing;
    }
    if (dialogs.message(parent, kDeleteQuestion.arg(path), MessageButtons::YesNo, MessageIcon::Warning,
                        kDeleteTitle, MessageAnswer::Yes)
        != MessageAnswer::Yes)
        return RecycleResult::Declined;
    QString reason;
    if (!system.move_to_trash(path, &reason)) {
        dialogs.message(parent, with_reason(kDeleteFailedMessage, reason));
        return RecycleResult::Failed;
    }
    return RecycleResult::Moved;
}

FileOperations::FileOperations(AppState& state, const MainControls& controls, SystemServices& system,
                               WindowDialogs dialogs)
    : m_state(state), m_controls(controls), m_target(target_display(controls)), m_system(system),
      m_dialogs(dialogs)
{
    const MainControls& c = m_controls;
    QObject::connect(c.Command3, &QPushButton::clicked, c.Command3, [this] { edit_file(); });
    QObject::connect(c.Command10, &QPushButton::clicked, c.Command10, [this] { open_folder(); });
    QObject::connect(c.Command9, &QPushButton::clicked, c.Command9, [this] { delete_file(); });
    QObject::connect(c.Command11, &QPushButton::clicked, c.Command11, [this] { refresh_lists(); });
    QObject::connect(c.Command8, &QPushButton::clicked, c.Command8, [this] { rename_file(); });
    // Once the click that selected it is done, so the list is not re-read under the click.
    QObject::connect(
        c.File1, &FileList::foreign_name_selected, c.File1, [this] { offer_usable_name(); },
        Qt::QueuedConnection);
}

void FileOperations::edit_file()
{
    const AppState& s = m_state;
    if (s.target_file.isEmpty()) {
        m_dialogs.tell(kSelectFileMessage);
        return;
    }
    if (!m_system.start_task(
            editor_command(editor_in_use(s.editor_path, m_system.default_editor()), s.target_file),
            WindowStyle::NoActivate))
        m_dialogs.tell(kEditorStartFailedMessage);
}

void FileOperations::open_folder()
{
    // The platform layer shows the folder in the desktop's file manager (on Windows with
    // the "EXPLORER" command line).
    if (!m_system.open_folder(m_controls.Dir1->path()))
        m_dialogs.tell(kOpenFolderFailedMessage);
}

void FileOperations::delete_file()
{
    AppState& s = m_state;
    if (s.target_file.isEmpty()) {
        m_dialogs.tell(kSelectFileStopMessage);
        return;
    }
    // recycle_file asks and reports a failure itself; whatever came of it, the target is
    // given up and the list shows what the folder now holds.
    recycle_file(m_dialogs.dialogs, m_system, m_dialogs.parent, s.target_file);
    s.target_file.clear();
    m_target.show(s.target_file);
    m_controls.File1->refresh();
}

void FileOperations::refresh_lists()
{
    m_controls.Dir1->refresh();
    m_controls.File1->refresh();
}

void FileOperations::rename_file()
{
    if (m_state.target_file.isEmpty()) {
        m_dialogs.tell(kSelectFileStopMessage);
        return;
    }
    RenameDialog dialog(m_state, m_controls.File1, m_target, m_dialogs.dialogs, m_dialogs.parent);
    dialog.exec();
    m_controls.File1->refresh();
}

void FileOperations::offer_usable_name()
{
    FileList* list = m_controls.File1;
    const QString folder = list->path();
    const QString shown = list->selected_name();
    const QByteArray bytes = list->selected_foreign_name();
    if (bytes.isEmpty())
        return; // the selection moved on meanwhile
    // Nothing may act on the name as listed, since it does not reach the file: the target
    // stays what it was and the selection goes.
    list->clear_selection();

    const std::optional<QString> name = cp932_file_name(bytes);
    if (!name) {
        m_dialogs.tell(kUnusableNameMessage.arg(visible_controls(shown)));
        return;
    }
    const MessageAnswer answer =
        m_dialogs.dialogs.message(m_dialogs.parent, kForeignNameQuestion.arg(visible_controls(*name)),
                                  MessageButtons::YesNo, MessageIcon::None, kRenameTitle, MessageAnswer::Yes);
    if (answer != MessageAnswer::Yes)
        return;
    const bool renamed = m_system.rename_raw_name(folder, bytes, *name);
    if (!renamed)
        m_dialogs.tell(kRenameFailedMessage);
    list->refresh();
    // Selected as a click would: it becomes the target and is previewed like any other.
    if (renamed)
        list->select_index(static_cast<int>(list->names().indexOf(*name)));
}
