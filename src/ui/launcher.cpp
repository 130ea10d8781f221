#include "launcher.h"

#include "app_state.h"
#include "command_lines.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "messages.h"
#include "paths.h"
#include "play_list.h"
#include "player_start.h"
#include "selection_mode.h"
#include "system_services.h"

#include <QPushButton>
#include <QScopeGuard>

Launcher::Launcher(AppState& state, const MainControls& controls, SystemServices& system,
                   WindowDialogs dialogs)
    : m_state(state), m_controls(controls), m_system(system), m_dialogs(dialogs),
      m_display(controls.List1, controls.panels[1])
{
    QObject::connect(controls.Command1, &QPushButton::clicked, controls.Command1, [this] { launch(); });
}

void Launcher::launch()
{
    if (m_state.select_mode == kModeSimple)
        exec_ravu_api();
    else
        exec_ravu_alb();
}

void Launcher::exec_ravu_api()
{
    const AppState& s = m_state;
    if (s.target_file.isEmpty()) {
        m_dialogs.tell(kSelectFileMessage);
        return;
    }
    const QString switches = s.play_switch + s.end_switch + s.exit_switch + s.icon_switch;
    const CommandLine command =
        single_file_command(s.player_path, s.target_file, switches, m_controls.Dir1->path());
    // Not awaited. A start that fails is reported, as the system's own launcher would have.
    start_player(s, m_system, command, WindowStyle::Normal, m_dialogs);
}

void Launcher::exec_ravu_alb()
{
    const PlayList& list = m_state.play_list;
    if (list.list_entries[0].isEmpty()) {
        m_dialogs.tell(kListEmptyMessage);
        return;
    }
    // Asked again while playing: the walk starts over once the current run has ended.
    if (m_walking) {
        m_restart = true;
        return;
    }
    m_walking = true;
    m_restart = false;
    const int generation = ++m_generation;
    m_walk.start();
    m_walk_changed();
    // A stopped walk is over already; a newer one may be running by then.
    const auto done = qScopeGuard([this, generation] {
        if (generation == m_generation)
            end_walk();
    });
    // The walk keeps its own place, following the playing entry through the list's edits:
    // list_count stays the place where add_list writes, so an entry added during the play
    // is appended and played in turn instead of overwriting the entry being played.
    while (!m_stopped) {
        // Read afresh for every entry: the folder, the entry and the player may change
        // while an earlier entry plays.
        const int row = m_walk.advance(list);
        if (row < 0)
            return;
        const AppState& s = m_state;
        const QString entry = list.list_entries[row];
        const QString entry_path = join_folder_file(m_controls.File1->path(), entry);
        const CommandLine command =
            list_entry_command(s.player_path, entry_path, s.exit_switch, s.icon_switch);
        const std::unique_ptr<StartedTask> task =
            start_player(s, m_system, command, WindowStyle::NoActivate, m_dialogs);
        if (!task)
            return;
        m_playing_name = entry;
        show_playing();
        // Window events, a second click and a stop included, run inside this wait.
        m_system.wait_task(*task);
        if (generation != m_generation)
            return;
        if (m_restart) {
            m_restart = false;
            m_walk.start();
        }
    }
}

void Launcher::stop_list_play()
{
    if (!m_walking)
        return;
    ++m_generation;
    end_walk();
}

void Launcher::follow_edit(const QList<int>& moved_to)
{
    if (!m_walking)
        return;
    m_walk.follow(moved_to);
    show_playing();
}

void Launcher::show_playing()
{
    m_display.show(m_playing_name, m_walk.playing_row(), int(entries_in_use(m_state.play_list).size()));
}

void Launcher::end_walk()
{
    m_walking = false;
    m_restart = false;
    m_walk.end();
    m_display.clear();
    m_walk_changed();
}
