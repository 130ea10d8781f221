#pragma once
// The texts this layer hands up as the reason of a failure, %1 filled with arg(); the windows
// show them in a box of their own, as this layer never asks the user anything.

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
