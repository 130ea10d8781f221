#include "main_menus.h"

#include "app_state.h"
#include "command_lines.h"
#include "editor_defaults.h"
#include "folder_list.h"
#include "main_controls.h"
#include "messages.h"
#include "open_folder_dialog.h"
#include "paths.h"
#include "recent_folders_menu.h"
#include "regular_file.h"
#include "system_services.h"
#include "window_messages.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

namespace {

// The help text that comes with the program, put where the menu opens it when nothing is
// there yet. A copy the user has (and may have edited) is never replaced.
void provide_help_text(const QString& path, DesktopSystem system)
{
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink())
        return;
    QFile source(QStringLiteral(":/ravufiler/ravfiler.txt"));
    if (!source.open(QIODevice::ReadOnly))
        return;
    // A copy that cannot be written leaves the editor to say so.
    write_file_atomically(path, native_text_file(source.readAll(), system));
}

} // namespace

MainMenus::MainMenus(const MainControls& menus, const AppState& state, SystemServices& system,
                     WindowDialogs dialogs, MenuOperations operations)
    : m_state(state), m_system(system), m_dialogs(dialogs), m_operations(std::move(operations)),
      m_folders(menus.Dir1),
      m_recent(new RecentFoldersMenu(menus.mnuRecent, menus.Dir1, state, m_operations.go_to_folder))
{
    QObject::connect(menus.mnuOpenFolder, &QAction::triggered, menus.mnuOpenFolder,
                     [this] { open_folder(); });
    QObject::connect(menus.mnuEnd, &QAction::triggered, menus.mnuEnd, [this] { m_operations.end(); });
    QObject::connect(menus.mnuOpt, &QAction::triggered, menus.mnuOpt, [this] { m_operations.options(); });
    QObject::connect(menus.mnuMftxt, &QAction::triggered, menus.mnuMftxt, [this] { show_help_text(); });
    QObject::connect(menus.mnuVersion, &QAction::triggered, menus.mnuVersion, [this] { show_version(); });
}

void MainMenus::show_help_text()
{
    provide_help_text(own_file_path(m_state.start_dir, kHelpTextFileName), m_system.desktop_system());
    if (!m_system.start_task(help_text_command(editor_in_use(m_state.editor_path, m_system.default_editor()),
                                               m_state.start_dir),
                             WindowStyle::NoActivate))
        m_dialogs.tell(kEditorStartFailedMessage);
}

void MainMenus::show_version() { m_dialogs.tell(kVersionMessage.arg(version_caption())); }

void MainMenus::open_folder()
{
    OpenFolderDialog dialog(m_folders->path(), m_dialogs.parent);
    if (dialog.exec() != QDialog::Accepted || dialog.folder().isEmpty())
        return;
    m_operations.go_to_folder(dialog.folder());
}
