#include "file_size_signal.h"

#include <csignal>

void ignore_file_size_signal() { std::signal(SIGXFSZ, SIG_IGN); }
