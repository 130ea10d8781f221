#pragma once
// The launch button: the selected tune alone, or the play list entry by entry.

#include "list_play_display.h"
#include "list_walk.h"
#include "window_dialogs.h"

#include <QList>

#include <functional>

struct MainControls;
class SystemServices;
struct AppState;

class Launcher {
public:
    // Connects Command1's click.
    Launcher(AppState& state, const MainControls& controls, SystemServices& system, WindowDialogs dialogs);

    // Command1: one tune in "simple" mode, the play list in the list modes.
    void launch();

    // Starts the player on target_file with the ticked switches, without waiting.
    void exec_ravu_api();

    // Starts the player once per list entry, in order, each after the previous run ended.
    // Returns after the last run, a failed start, a stop, or when the program is ending. A
    // list play asked for meanwhile returns at once: the running one starts over from the
    // first entry once its current run has ended.
    void exec_ravu_alb();

    // The program is ending: a list play does not go on after its current run.
    void stop() { m_stopped = true; }

    // A list play runs (its current player has not ended, and it was not stopped).
    bool list_playing() const { return m_walking; }
    // The user's stop: no further entry starts, the player running is left to end by itself,
    // and a new list play can start at once.
    void stop_list_play();
    // The play list's rows changed (moved_to: where each earlier row went, -1 removed): the
    // walk goes on from the entry playing, wherever it is now.
    void follow_edit(const QList<int>& moved_to);
    // Called when a list play starts or ends.
    void on_walk_change(std::function<void()> changed) { m_walk_changed = std::move(changed); }

private:
    AppState& m_state;
    const MainControls& m_controls;
    SystemServices& m_system;
    WindowDialogs m_dialogs;
    void show_playing();
    void end_walk();

    ListPlayDisplay m_display;
    ListWalk m_walk;
    QString m_playing_name;
    std::function<void()> m_walk_changed = [] {};
    bool m_stopped = false;
    bool m_walking = false; // a list play is running (its waits run the window's events)
    bool m_restart = false; // asked for again while running: start over after this run
    int m_generation = 0;   // raised by each walk and stop; a walk that sees it changed is over
};
