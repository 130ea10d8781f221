#pragma once
// The folders the lists showed last, newest first, and the small file that keeps them
// between runs (one path a line, UTF-8).

#include <QByteArray>
#include <QString>
#include <QStringList>

inline constexpr int kRecentFolderCount = 10;

// The folder put first, an earlier place of it dropped, at most kRecentFolderCount kept.
QStringList with_recent_folder(QStringList folders, const QString& folder);

// The folders of the file's text, in order: blank lines and lines past the count dropped.
QStringList recent_folders_from_text(const QByteArray& text);
QByteArray recent_folders_text(const QStringList& folders);

// The folders kept in the file; none when it is missing or unreadable.
QStringList read_recent_folders(const QString& file);
// Writes them, making the file's folder first. False when that failed.
bool write_recent_folders(const QString& file, const QStringList& folders);

// A folder as the user typed it: "~" and "~/…" below home, a relative path below the folder
// the lists show; cleaned, in native form.
QString typed_folder(const QString& text, const QString& home, const QString& shown_folder);
