#include "player_start.h"

#include "app_state.h"
#include "messages.h"
#include "player_runner.h"
#include "settings.h"
#include "settings_keys.h"

PlayerStart start_player(const AppState& state, SystemServices& system, const CommandLine& command,
                         WindowStyle style)
{
    PlayerStart result;
    const RunnerChoice choice =
        choose_runner(state.player_path, read_setting(state.ini_path, kRunnerKey), system.desktop_system());
    if (choice.kind == RunnerKind::Direct) {
        result.task = system.start_task(command, style);
    } else {
        // The runner checked is the runner started, found once.
        const QString runner = system.runner_program(choice.runner);
        if (runner.isEmpty()) {
            result.failure = choice.kind == RunnerKind::Default
                                 ? kDefaultRunnerMissingMessage.arg(state.player_path)
                                 : kNamedRunnerMissingMessage.arg(state.player_path, choice.runner);
            return result;
        }
        result.task = system.start_task(through_runner(command, runner, system.runner_drives()), style);
    }
    if (!result.task)
        result.failure = kPlayerStartFailedMessage;
    return result;
}
