#include "launcher.h"

#include "app_state.h"
#include "command_lines.h"
#include "dialogs.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "messages.h"
#include "paths.h"
#include "system_services.h"
#include "window_context.h"

#include <QPushButton>
#include <QScopeGuard>

Launcher::Launcher(WindowContext& context) : m_context(context)
{
    QPushButton* button = m_context.controls.Command1;
    QObject::connect(button, &QPushButton::clicked, button, [this] { launch(); });
}

void Launcher::launch()
{
    if (m_context.state.select_mode == QStringLiteral("simple"))
        exec_ravu_api();
    else
        exec_ravu_alb();
}

void Launcher::exec_ravu_api()
{
    const AppState& s = m_context.state;
    if (s.target_file.isEmpty()) {
        m_context.dialogs.message(&m_context.window, kSelectFileMessage);
        return;
    }
    const QString switches = s.play_switch + s.end_switch + s.exit_switch + s.icon_switch;
    const CommandLine command =
        single_file_command(s.player_path, s.target_file, switches, m_context.controls.Dir1->path());
    // Not awaited. A start that fails is reported, as the system's own launcher would have.
    if (!m_context.system.start_task(command, WindowStyle::Normal))
        m_context.dialogs.message(&m_context.window, kPlayerStartFailedMessage);
}

void Launcher::exec_ravu_alb()
{
    const PlayList& list = m_context.state.play_list;
    if (list.list_entries[0].isEmpty()) {
        m_context.dialogs.message(&m_context.window, kListEmptyMessage);
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
        if (m_context.closing)
            return;
        // Read afresh for every entry: the folder, the entry and the player may change
        // while an earlier entry plays.
        const QString& entry = list.list_entries[index];
        if (entry.isEmpty())
            return;
        const AppState& s = m_context.state;
        const QString entry_path = join_folder_file(m_context.controls.File1->path(), entry);
        const CommandLine command =
            list_entry_command(s.player_path, entry_path, s.exit_switch, s.icon_switch);
        const auto task = m_context.system.start_task(command, WindowStyle::NoActivate);
        if (!task) {
            m_context.dialogs.message(&m_context.window, kPlayerStartFailedMessage);
            return;
        }
        // Window events, a second click included, run inside this wait.
        m_context.system.wait_task(*task);
        if (m_restart) {
            m_restart = false;
            index = -1;
        }
    }
}
