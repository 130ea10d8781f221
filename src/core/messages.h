#pragma once
// The program's message texts that several operations share, kept once.

#include <QString>

// Play, edit and album load without a target (no closing full stop).
inline const QString kSelectFileMessage = QStringLiteral("ファイルを選択してください");
// Delete and rename without a target (with a closing full stop).
inline const QString kSelectFileStopMessage = QStringLiteral("ファイルを選択してください。");
inline const QString kListEmptyMessage = QStringLiteral("リストにファイルが選択されていません");
// A file dialog cancelled or failed.
inline const QString kNoFileChosenMessage = QStringLiteral("ファイルが指定されませんでした");
inline const QString kPlayerStartFailedMessage =
    QStringLiteral("Ravu起動に失敗しました。\rパスを確認してください。");
inline const QString kEditorStartFailedMessage =
    QStringLiteral("エディタ起動に失敗しました。\rパスを確認してください。");
