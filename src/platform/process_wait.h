#pragma once
// Awaiting the end of a started process while the program's events keep being handled.

#include "system_services.h"

// Returns once the process has ended, at once when it already has (however often it is asked)
// or is not one that start_process started. Runs a local event loop meanwhile, woken only by
// the process's end, so the program uses no processor time of its own while it waits. The
// loop may be entered again from a handler that runs inside it; an application exit ends it.
void wait_for_process_end(StartedTask& task);
