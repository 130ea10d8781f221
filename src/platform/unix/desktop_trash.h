#pragma once
// The desktop trash shared by the file managers of Linux and the other free Unix desktops:
// a trash folder per volume, each file in files/ with its record in info/.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <sys/types.h>

struct TrashFolder {
    QByteArray path;    // the folder holding files/ and info/
    QByteArray top_dir; // the volume's top folder; empty for the home trash
};

// The home trash below the data folder, made when missing.
std::optional<TrashFolder> home_trash(QString* error);

// The trash of the volume whose top folder is top_dir: top_dir/.Trash/uid where .Trash is a
// real folder (not a link) with the sticky bit, else top_dir/.Trash-uid; made when missing.
std::optional<TrashFolder> volume_trash(const QByteArray& top_dir, uid_t uid, QString* error);

// Moves the file at the absolute path file into trash, which must be on its volume: the
// record first (under a name no other entry has), then the file renamed into files/, never
// copied. On failure nothing is left behind, the file stays and error says why. entry_name
// (when given) is the name the file has in files/.
bool move_into_trash(const QByteArray& file, const TrashFolder& trash, const QDateTime& deleted,
                     QString* error, QByteArray* entry_name = nullptr);

// The trash of the file's volume: the home trash when the file is on the home trash's
// volume, else its volume's own.
std::optional<TrashFolder> trash_for(const QByteArray& file, QString* error);
