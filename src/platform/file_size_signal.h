#pragma once
// A write past the process's file size limit: a failure the program reports, not its end.

// Where the system ends a process that writes past its file size limit (SIGXFSZ), that
// signal is ignored from here on, so the write fails (EFBIG) like one to a full disk.
void ignore_file_size_signal();
