#pragma once
// Every item of the main window's menu bar, wired to what it does: 終了 and オプション to
// the window's own operations, フォルダを開く and the recent folders to a move of the lists,
// the help menu to the help text and the version box.

#include "window_dialogs.h"

#include <QString>
#include <functional>

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

// Wires the menu items; returns the recent folders' menu, which its menu owns.
RecentFoldersMenu* wire_main_menus(const MainControls& menus, const AppState& state, SystemServices& system,
                                   WindowDialogs dialogs, const MenuOperations& operations);
