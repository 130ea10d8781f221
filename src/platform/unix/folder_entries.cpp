#include "desktop_services.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// True when the name's bytes come back from its decoded text, as every name in the file
// system's own encoding does. Plain ASCII always does and skips the round trip.
bool reaches_itself(const char* name, const QString& decoded)
{
    for (const char* p = name; *p; ++p)
        if (static_cast<unsigned char>(*p) >= 0x80)
            return QFile::encodeName(decoded) == name;
    return true;
}

} // namespace

// readdir() with the entry's type from the directory itself, so a folder of 100,000
// files costs no stat() per file; only links and entries of unknown type are looked up.
FolderEntries DesktopServices::folder_entries(const QString& folder, EntryKinds kinds)
{
    FolderEntries entries;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return entries;
    const int dir_fd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.')
            continue; // ".", ".." and hidden entries
        bool is_file = entry->d_type == DT_REG;
        bool is_folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            if (fstatat(dir_fd, name, &info, 0) != 0)
                continue; // a dangling link
            is_file = S_ISREG(info.st_mode);
            is_folder = S_ISDIR(info.st_mode);
        }
        if (kinds == EntryKinds::Files && is_file) {
            const QString decoded = QFile::decodeName(name);
            if (reaches_itself(name, decoded))
                entries.files << decoded;
            else
                entries.foreign_files << QByteArray(name);
        } else if (kinds == EntryKinds::Folders && is_folder) {
            entries.folders << QFile::decodeName(name);
        }
    }
    closedir(dir);
    entries.ok = true;
    return entries;
}
