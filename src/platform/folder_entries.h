#pragma once
// The entries of one folder read in a single pass: the names of its files and of its
// subfolders, unsorted, hidden ones left out, as the file and folder lists show them.

#include <QStringList>

struct FolderEntries {
    QStringList files;   // regular files, also through a symbolic link
    QStringList folders; // subfolders, also through a symbolic link
    // Regular files whose names are not valid in the file system's encoding, as the bytes
    // the folder holds: a name decoded from them would not reach the file again.
    QList<QByteArray> foreign_files;
    bool ok = false; // the folder could be read
};

enum class EntryKinds { Files, Folders };

FolderEntries read_folder_entries(const QString& folder, EntryKinds kinds);
