#pragma once
// Selection modes, the file list's double-click, and the folder and drive rules that guard
// a play list in use.

#include "target_display.h"
#include "window_dialogs.h"

class Launcher;
class PlayListPanel;
class QString;
class SystemServices;
struct AppState;
struct MainControls;

class ModeNavigation {
public:
    // The play list is cleared when a change drops it, and plays, adds or loads on a
    // double-click, as the mode decides.
    ModeNavigation(AppState& state, const MainControls& controls, PlayListPanel& play_list,
                   Launcher& launcher, SystemServices& system, WindowDialogs dialogs);

    // Selects an option from code: checks it and runs the mode change as a click would.
    void select_option(int index);
    // The mode change to option index (a click on it, also on the one already selected).
    void change_mode(int index);
    void on_file_double_click();
    void folder_rule();
    void drive_rule();
    // A folder row could not be opened: says which folder and why, and re-reads the lists.
    void folder_open_failed(const QString& folder);
    // The shown folder went from outside: the lists move to its nearest parent still there,
    // with no question (the user did nothing). A play list named files of that folder, so it
    // is cleared.
    void leave_gone_folder(const QString& folder);

private:
    void accept_folder(const QString& folder);
    void revert_folder();

    AppState& m_state;
    const MainControls& m_controls;
    TargetDisplay m_target;
    PlayListPanel& m_play_list;
    Launcher& m_launcher;
    SystemServices& m_system;
    WindowDialogs m_dialogs;
};
