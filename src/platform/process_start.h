#pragma once
// Starting a program without a shell and without waiting for it.

#include "system_services.h"

// Starts the command as a detached process that outlives the filer. Its process id, or
// nothing when the program is missing, not executable, refused or the folder is unusable.
std::optional<qint64> start_detached(const CommandLine& command, WindowStyle style);
