// Where the system has no folder events of its own that name the entries, nor a notice of
// mounts: folders are watched through Qt's portable watcher alone.

#include "folder_watch.h"

void FolderWatch::open_system_watches() {}

void FolderWatch::close_system_watches() {}

bool FolderWatch::watch_folders_by_name(const QStringList&, bool&) { return false; }

void FolderWatch::take_folder_events() {}
