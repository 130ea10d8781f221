#include "player_start.h"

#include "app_state.h"
#include "messages.h"
#include "player_runner.h"
#include "settings.h"
#include "settings_keys.h"

std::unique_ptr<StartedTask> start_player(const AppState& state, SystemServices& system,
                                          const CommandLine& command, WindowStyle style,
                                          const WindowDialogs& dialogs)
{
    const RunnerChoice choice =
        choose_runner(state.player_path, read_setting(state.ini_path, kRunnerKey), system.desktop_system());
    std::unique_ptr<StartedTask> task;
    if (choice.kind == RunnerKind::Direct) {
        task = system.start_task(command, style);
    } else {
        // The runner checked is the runner started, found once.
        const QString runner = system.runner_program(choice.runner);
        if (runner.isEmpty()) {
            dialogs.tell(choice.kind == RunnerKind::Default
                             ? kDefaultRunnerMissingMessage.arg(state.player_path)
                             : kNamedRunnerMissingMessage.arg(state.player_path, choice.runner));
            return nullptr;
        }
        task = system.start_task(through_runner(command, runner, system.runner_drives()), style);
    }
    if (!task)
        dialogs.tell(kPlayerStartFailedMessage);
    return task;
}
