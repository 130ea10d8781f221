#include "file_operations.h"

#include "app_state.h"
#include "command_lines.h"
#include "dialogs.h"
#include "file_list.h"
#include "file_names.h"
#include "folder_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "messages.h"
#include "raw_rename.h"
#include "recycle_file.h"
#include "rename_dialog.h"
#include "system_services.h"
#include "visible_text.h"
#include "window_context.h"

#include <QPushButton>

namespace {

QString rename_question(const QString& name)
{
    return QStringLiteral("ファイル名の文字コードがこのシステムと異なるため、このままでは使えません。\r「")
           + name + QStringLiteral("」に変更しますか？");
}

QString unusable_name_text(const QString& shown)
{
    return QStringLiteral("ファイル名「") + shown
           + QStringLiteral("」はこのシステムで読めない文字を含むため、このファイルは使えません。");
}

} // namespace

FileOperations::FileOperations(WindowContext& context) : m_context(context)
{
    MainControls& c = m_context.controls;
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

QWidget* FileOperations::parent_widget() const { return &m_context.window; }

void FileOperations::edit_file()
{
    const AppState& s = m_context.state;
    if (s.target_file.isEmpty()) {
        m_context.dialogs.message(parent_widget(), kSelectFileMessage);
        return;
    }
    if (!m_context.system.start_task(editor_command(s.editor_path, s.target_file), WindowStyle::NoActivate))
        m_context.dialogs.message(parent_widget(), kEditorStartFailedMessage);
}

void FileOperations::open_folder()
{
    // The platform layer shows the folder in the desktop's file manager (on Windows with
    // the "EXPLORER" command line).
    if (!m_context.system.open_folder(m_context.controls.Dir1->path()))
        m_context.dialogs.message(parent_widget(), QStringLiteral("開けませんでした。"));
}

void FileOperations::delete_file()
{
    AppState& s = m_context.state;
    if (s.target_file.isEmpty()) {
        m_context.dialogs.message(parent_widget(), kSelectFileStopMessage);
        return;
    }
    // recycle_file asks and reports a failure itself; whatever came of it, the target is
    // given up and the list shows what the folder now holds.
    recycle_file(m_context.dialogs, m_context.system, parent_widget(), s.target_file);
    s.target_file.clear();
    show_target(m_context.controls, s.target_file);
    m_context.controls.File1->refresh();
}

void FileOperations::refresh_lists()
{
    m_context.controls.Dir1->refresh();
    m_context.controls.File1->refresh();
}

void FileOperations::rename_file()
{
    if (m_context.state.target_file.isEmpty()) {
        m_context.dialogs.message(parent_widget(), kSelectFileStopMessage);
        return;
    }
    RenameDialog dialog(m_context, parent_widget());
    dialog.exec();
    m_context.controls.File1->refresh();
}

void FileOperations::offer_usable_name()
{
    FileList* list = m_context.controls.File1;
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
        m_context.dialogs.message(parent_widget(), unusable_name_text(visible_controls(shown)));
        return;
    }
    const MessageAnswer answer = m_context.dialogs.message(
        parent_widget(), rename_question(visible_controls(*name)), MessageButtons::YesNo, MessageIcon::None,
        QStringLiteral("ファイル名変更確認"), MessageAnswer::Yes);
    if (answer != MessageAnswer::Yes)
        return;
    const bool renamed = rename_raw_name(folder, bytes, *name);
    if (!renamed)
        m_context.dialogs.message(parent_widget(), QStringLiteral("ファイル名を変更できませんでした。"));
    list->refresh();
    // Selected as a click would: it becomes the target and is previewed like any other.
    if (renamed)
        list->select_index(static_cast<int>(list->names().indexOf(*name)));
}
