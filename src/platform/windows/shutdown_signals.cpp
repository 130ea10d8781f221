#include "shutdown_requests.h"

// Windows ends the program in its own ways; the session's end still comes.
void ShutdownRequests::take_signals() {}
ShutdownRequests::~ShutdownRequests() = default;
void ShutdownRequests::take_signal() {}
