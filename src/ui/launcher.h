#pragma once
// The launch button: the selected tune alone, or the play list entry by entry.

#include "window_dialogs.h"

class FileList;
class FolderList;
class QPushButton;
class SystemServices;
struct AppState;

struct LauncherControls {
    QPushButton* launch = nullptr; // Command1
    FileList* files = nullptr;     // the folder of the list entries
    FolderList* folders = nullptr; // the working folder of a single tune's player
};

class Launcher {
public:
    // Connects Command1's click.
    Launcher(AppState& state, const LauncherControls& controls, SystemServices& system,
             WindowDialogs dialogs);

    // Command1: one tune in "simple" mode, the play list in the list modes.
    void launch();

    // Starts the player on target_file with the ticked switches, without waiting.
    void exec_ravu_api();

    // Starts the player once per list entry, in order, each after the previous run ended.
    // Returns after the last run, a failed start, or when the program is ending. A list
    // play asked for meanwhile returns at once: the running one starts over from the first
    // entry once its current run has ended.
    void exec_ravu_alb();

    // The program is ending: a list play does not go on after its current run.
    void stop() { m_stopped = true; }

private:
    AppState& m_state;
    LauncherControls m_controls;
    SystemServices& m_system;
    WindowDialogs m_dialogs;
    bool m_stopped = false;
    bool m_walking = false; // a list play is running (its waits run the window's events)
    bool m_restart = false; // asked for again while running: start over after this run
};
