#pragma once
// The entries of one folder read in a single pass (FolderEntries).

#include "system_services.h"

FolderEntries read_folder_entries(const QString& folder, EntryKinds kinds);
