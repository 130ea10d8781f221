#pragma once
// Starting a program without a shell and without waiting for it.

#include "system_services.h"

// Starts the command as a process that outlives the filer, held from its start on. Null when
// the program is missing, not executable, refused or the working folder is unusable.
std::unique_ptr<StartedTask> start_process(const CommandLine& command, WindowStyle style);
