#pragma once
// Why a folder could not be opened, looked up at the moment of the failure, so the message
// can say what happened.

#include <QString>

enum class FolderFault { Missing, NotAFolder, NoPermission, NameTooLong, Other };

// A folder that could not be opened: gone, not a folder, not ours to list, a path too long
// for the system, or something else.
FolderFault folder_fault(const QString& folder);
