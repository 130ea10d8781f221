#pragma once
// Awaiting the end of a process while the program's events keep being handled.

#include <QtGlobal>

// Returns once the process has ended, or at once when it cannot be observed (already gone,
// not ours to see). Runs a local event loop meanwhile, woken only by the process's end, so
// the program uses no processor time of its own while it waits. The loop may be entered
// again from a handler that runs inside it; an application exit ends it as well.
void wait_for_process_end(qint64 pid);
