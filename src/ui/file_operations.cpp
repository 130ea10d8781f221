#include "file_operations.h"

#include "app_state.h"
#include "command_lines.h"
#include "dialogs.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "messages.h"
#include "recycle_file.h"
#include "rename_dialog.h"
#include "system_services.h"
#include "window_context.h"

#include <QPushButton>

FileOperations::FileOperations(WindowContext& context) : m_context(context)
{
    MainControls& c = m_context.controls;
    QObject::connect(c.Command3, &QPushButton::clicked, c.Command3, [this] { edit_file(); });
    QObject::connect(c.Command10, &QPushButton::clicked, c.Command10, [this] { open_folder(); });
    QObject::connect(c.Command9, &QPushButton::clicked, c.Command9, [this] { delete_file(); });
    QObject::connect(c.Command11, &QPushButton::clicked, c.Command11, [this] { refresh_lists(); });
    QObject::connect(c.Command8, &QPushButton::clicked, c.Command8, [this] { rename_file(); });
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
