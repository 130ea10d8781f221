#pragma once
// Every start of the player: directly, or a Windows player through its runner with its path
// argument in the runner's drives.

#include "system_services.h"

#include <QString>
#include <memory>

struct AppState;

struct PlayerStart {
    std::unique_ptr<StartedTask> task; // null when nothing was started
    QString failure;                   // then the message for the user
};

// Starts the player's command line as the settings' "Runner" and the player path decide.
PlayerStart start_player(const AppState& state, SystemServices& system, const CommandLine& command,
                         WindowStyle style);
