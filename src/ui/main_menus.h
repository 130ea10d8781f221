#pragma once
// Every item of the main window's menu bar, wired to what it does: 終了 and オプション to
// the window's own operations, フォルダを開く and the recent folders to a move of the lists,
// the help menu to the help text and the version box.

#include "window_dialogs.h"

#include <QString>
#include <functional>

class FolderList;
class RecentFoldersMenu;
class SystemServices;
struct AppState;
struct MainControls;

// The window's operations the file and settings menus call.
struct MenuOperations {
    std::function<void()> end;     // mnuEnd
    std::function<void()> options; // mnuOpt
    // mnuOpenFolder and mnuRecent: the lists to a folder as a double-click on it would.
    std::function<void(const QString&)> go_to_folder;
};

class MainMenus {
public:
    MainMenus(const MainControls& menus, const AppState& state, SystemServices& system, WindowDialogs dialogs,
              MenuOperations operations);

    // The help text "ravfiler.txt" of the start folder in the editor, copied there first
    // when the start folder has none.
    void show_help_text();
    // "Ravu Filer Ver2.00" and a line about the program.
    void show_version();
    // Asks for a folder and moves the lists there.
    void open_folder();

    RecentFoldersMenu& recent_folders() { return *m_recent; }

private:
    const AppState& m_state;
    SystemServices& m_system;
    WindowDialogs m_dialogs;
    MenuOperations m_operations;
    FolderList* m_folders;
    RecentFoldersMenu* m_recent; // owned by its menu
};
