// A Unix without pidfd or kqueue: every child is watched by a thread of its own.

#include "child_watch.h"

std::unique_ptr<ChildWatch> watch_child(pid_t pid) { return watch_child_in_thread(pid); }
