#pragma once
// File names within a folder: what a name must be to name one of its files, the name that
// bytes written by a Japanese Windows system (CP932) stand for, and a rename that never
// replaces another file.

#include <QByteArray>
#include <QString>
#include <optional>

// True when name names one entry of a folder: not empty, not "." or "..", and free of
// folder separators and NUL.
bool is_plain_file_name(const QString& name);

// The name the bytes spell in CP932, when they are CP932 through and through (they read
// back as the same bytes) and the name is a plain file name; nothing otherwise.
std::optional<QString> cp932_file_name(const QByteArray& bytes);

// Renames folder/old_name to folder/new_name. False, with nothing changed, when the old file
// is missing (or no file), when a file of the new name exists (a change of letter case
// alone is allowed where the file system ignores case), or when the system refuses.
bool rename_file_keeping_others(const QString& folder, const QString& old_name, const QString& new_name);
