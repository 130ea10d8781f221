#pragma once
// Renaming a file that the folder lists under a name not valid in the file system's
// encoding: reached through the name's own bytes, since no decoded text names it.

#include <QByteArray>
#include <QString>

// Renames folder/raw_name (the bytes as the folder holds them) to folder/new_name, never
// replacing an entry of the new name. False, with nothing changed, when it could not.
bool rename_raw_name(const QString& folder, const QByteArray& raw_name, const QString& new_name);
