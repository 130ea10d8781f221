#pragma once
// Every start of the player: directly, or a Windows player through its runner with its path
// argument in the runner's drives.

#include "system_services.h"
#include "window_dialogs.h"

#include <memory>

struct AppState;

// Starts the player's command line as the settings' "Runner" and the player path decide.
// Null when nothing was started, which dialogs has then told the user.
std::unique_ptr<StartedTask> start_player(const AppState& state, SystemServices& system,
                                          const CommandLine& command, WindowStyle style,
                                          const WindowDialogs& dialogs);
