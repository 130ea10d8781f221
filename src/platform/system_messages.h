#pragma once
// The texts the system layer hands up as the reason of a failure, kept in this one place.
// Where a text goes: a reason this layer finds (the trash cannot be made, a file went
// elsewhere) is declared here; the windows put it into a box of their own, and never ask
// the user anything from this layer.

#include <QString>

inline const QString kNoTrashMessage = QStringLiteral("ごみ箱が見つかりません。");

inline QString trash_folder_not_made_message(const QString& folder)
{
    return QStringLiteral("ごみ箱のフォルダを作成できません：") + folder;
}

// The system's trash took the file somewhere that is no trash, and it could not be put back.
inline QString no_trash_moved_message(const QString& moved_to)
{
    return kNoTrashMessage + QStringLiteral("ファイルは次の場所にあります：") + moved_to;
}

// The trash's record of the file could not be written (reason: the system's words).
inline QString trash_record_not_written_message(const QString& reason)
{
    return QStringLiteral("ごみ箱に記録を書き込めません：") + reason;
}

// The file could not be moved into the trash (reason: the system's words).
inline QString trash_move_failed_message(const QString& reason)
{
    return QStringLiteral("ファイルをごみ箱に移動できません：") + reason;
}
