#include "launcher.h"

#include "app_state.h"
#include "command_lines.h"
#include "file_list.h"
#include "folder_list.h"
#include "messages.h"
#include "paths.h"
#include "player_start.h"
#include "selection_mode.h"
#include "system_services.h"

#include <QPushButton>
#include <QScopeGuard>

Launcher::Launcher(AppState& state, const LauncherControls& controls, SystemServices& system,
                   WindowDialogs dialogs)
    : m_state(state), m_controls(controls), m_system(system), m_dialogs(dialogs)
{
    QObject::connect(controls.launch, &QPushButton::clicked, controls.launch, [this] { launch(); });
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
        single_file_command(s.player_path, s.target_file, switches, m_controls.folders->path());
    // Not awaited. A start that fails is reported, as the system's own launcher would have.
    const PlayerStart started = start_player(s, m_system, command, WindowStyle::Normal);
    if (!started.task)
        m_dialogs.tell(started.failure);
}

void Launcher::exec_ravu_alb()
{
    const PlayList& list = m_state.play_list;
    if (list.list_entries[0].isEmpty()) {
        m_dialogs.tell(kListEmptyMessage);
        return;
    }
    // A click while a walk plays means "play from the top": the running walk starts over
    // once its current run has ended, so two runs never overlap.
    if (m_walking) {
        m_restart = true;
        return;
    }
    m_walking = true;
    m_restart = false;
    const auto done = qScopeGuard([this] { m_walking = false; });
    // The walk keeps its own index: list_count stays the place where add_list writes, so an
    // entry added during the play is appended and played in turn instead of overwriting
    // the entry being played.
    for (int index = 0; index < list.list_capacity; ++index) {
        if (m_stopped)
            return;
        // Read afresh for every entry: the folder, the entry and the player may change
        // while an earlier entry plays.
        const QString& entry = list.list_entries[index];
        if (entry.isEmpty())
            return;
        const AppState& s = m_state;
        const QString entry_path = join_folder_file(m_controls.files->path(), entry);
        const CommandLine command =
            list_entry_command(s.player_path, entry_path, s.exit_switch, s.icon_switch);
        const PlayerStart started = start_player(s, m_system, command, WindowStyle::NoActivate);
        if (!started.task) {
            m_dialogs.tell(started.failure);
            return;
        }
        // Window events, a second click included, run inside this wait.
        m_system.wait_task(*started.task);
        if (m_restart) {
            m_restart = false;
            index = -1;
        }
    }
}
