#pragma once
// Why a file could not be read, or a folder not opened, looked up at the moment of the
// failure, so the message can say what happened.

#include <QString>

enum class FileFault { Missing, NotRegularFile, NoPermission, Other };
enum class FolderFault { Missing, NotAFolder, NoPermission, NameTooLong, Other };

// A file that could not be read: gone, not a regular file, not ours to read, or something
// else (also when it can be read by now).
FileFault file_fault(const QString& path);

// A folder that could not be opened: gone, not a folder, not ours to list, a path too long
// for the system, or something else.
FolderFault folder_fault(const QString& folder);
