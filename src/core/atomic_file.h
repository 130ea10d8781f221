#pragma once
// Replacing a whole file at once, so a crash or a full disk never leaves half a file.

#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file beside path and renames it over path. On any failure
// the old file (when there is one) stays as it was, and error (when given) says why.
bool write_file_atomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
