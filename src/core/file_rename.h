#pragma once
// Renaming a file within its folder without ever replacing another file.

#include <QString>

// Renames folder/old_name to folder/new_name. False, with nothing changed, when the old file
// is missing (or no file), when a file of the new name exists (a change of letter case
// alone is allowed where the file system ignores case), or when the system refuses.
bool rename_file_keeping_others(const QString& folder, const QString& old_name, const QString& new_name);
