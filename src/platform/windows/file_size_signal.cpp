#include "file_size_signal.h"

// Windows has no file size limit that ends a process.
void ignore_file_size_signal() {}
