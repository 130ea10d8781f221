#pragma once
// What a file name must be to name a file of the folder it is in, and the name that bytes
// written by a Japanese Windows system (CP932) stand for.

#include <QByteArray>
#include <QString>
#include <optional>

// True when name names one entry of a folder: not empty, not "." or "..", and free of
// folder separators and NUL.
bool is_plain_file_name(const QString& name);

// The name the bytes spell in CP932, when they are CP932 through and through (they read
// back as the same bytes) and the name is a plain file name; nothing otherwise.
std::optional<QString> cp932_file_name(const QByteArray& bytes);
