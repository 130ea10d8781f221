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

RecentFoldersMenu* wire_main_menus(const MainControls& menus, const AppState& state, SystemServices& system,
                                   WindowDialogs dialogs, const MenuOperations& operations)
{
    QObject::connect(menus.mnuOpenFolder, &QAction::triggered, menus.mnuOpenFolder,
                     [folders = menus.Dir1, dialogs, go_to_folder = operations.go_to_folder] {
                         OpenFolderDialog dialog(folders->path(), dialogs.parent);
                         if (dialog.exec() == QDialog::Accepted && !dialog.folder().isEmpty())
                             go_to_folder(dialog.folder());
                     });
    QObject::connect(menus.mnuEnd, &QAction::triggered, menus.mnuEnd, operations.end);
    QObject::connect(menus.mnuOpt, &QAction::triggered, menus.mnuOpt, operations.options);
    // The help text "ravfiler.txt" of the start folder in the editor, copied there first when
    // the start folder has none.
    QObject::connect(menus.mnuMftxt, &QAction::triggered, menus.mnuMftxt, [&state, &system, dialogs] {
        provide_help_text(own_file_path(state.start_dir, kHelpTextFileName), system.desktop_system());
        if (!system.start_task(
                help_text_command(editor_in_use(state.editor_path, system.default_editor()), state.start_dir),
                WindowStyle::NoActivate))
            dialogs.tell(kEditorStartFailedMessage);
    });
    // "Ravu Filer Ver2.00" and a line about the program.
    QObject::connect(menus.mnuVersion, &QAction::triggered, menus.mnuVersion,
                     [dialogs] { dialogs.tell(kVersionMessage.arg(version_caption())); });
    return new RecentFoldersMenu(menus.mnuRecent, menus.Dir1, state, operations.go_to_folder);
}
