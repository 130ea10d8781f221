#pragma once
// The texts the system layer hands up as the reason of a failure, kept in this one table.
// Where a text goes: a reason this layer finds (the trash cannot be made, a file went
// elsewhere) is declared here, with %1 where a name or the system's words go, filled by the
// caller with arg(); the windows put it into a box of their own, and never ask the user
// anything from this layer.

#include <QString>

inline const QString kNoTrashMessage = QStringLiteral("ごみ箱が見つかりません。");
inline const QString kTrashFolderNotMadeMessage = QStringLiteral("ごみ箱のフォルダを作成できません：%1");
// The system's trash took the file somewhere that is no trash, and it could not be put back.
inline const QString kNoTrashMovedMessage =
    QStringLiteral("ごみ箱が見つかりません。ファイルは次の場所にあります：%1");
// The trash's record of the file could not be written, or the file could not be moved into
// the trash (%1: the system's words).
inline const QString kTrashRecordNotWrittenMessage = QStringLiteral("ごみ箱に記録を書き込めません：%1");
inline const QString kTrashMoveFailedMessage = QStringLiteral("ファイルをごみ箱に移動できません：%1");
