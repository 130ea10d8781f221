#pragma once
// Moving a file to the desktop trash, where it can be restored from.

#include <QString>

// True once the file is in the trash. False with a reason when it could not be moved
// there; the file then stays where it was and is never erased outright.
bool move_file_to_trash(const QString& path, QString* error);
