#pragma once
// The texts of the boxes, questions and hidden labels that the windows decide; a text core
// decides is in core's messages.h, a caption where its control is placed. A name or reason
// goes in as %1, %2 through arg() (a name through visible_controls if it may hold a line break).

#include "messages.h"
#include "regular_file.h"
#include "system_services.h"
#include "version.h"
#include "visible_text.h"

#include <QString>

// The hidden labels that name the player, the editor and the start folder.
inline const QString kPlayerPathCaption = QStringLiteral("ravu本体のパス：%1");
inline const QString kEditorPathCaption = QStringLiteral("エディタのパス：%1");
inline const QString kStartFolderCaption = QStringLiteral("実行時ディレクトリ：%1");

// Start-up: the stored last folder cannot be shown.
inline const QString kLastFolderMissingMessage = QStringLiteral("Lastpath was no there.");

// Folders and drives.
inline const QString kDriveUnavailableMessage = QStringLiteral("選択したドライブは現在使えません。");
// %1 the folder, %2 one of kFolderFaultReasons.
inline const QString kFolderFaultMessage = QStringLiteral("フォルダを開けませんでした。\r%1\r%2");
inline const QString kFolderFaultReasons[] = {
    QStringLiteral("フォルダが見つかりません。"),       // Missing
    QStringLiteral("フォルダではありません。"),         // NotAFolder
    QStringLiteral("フォルダを開く権限がありません。"), // NoPermission
    QStringLiteral("パスが長すぎます。"),               // NameTooLong
    QStringLiteral("フォルダを読み取れません。"),       // Other
};
static_assert(std::size(kFolderFaultReasons) == std::size_t(FolderFault::Other) + 1);
// The folder-change failure, filled: the folder shown with its control characters visible.
inline QString folder_fault_message(const QString& folder, FolderFault fault)
{
    return kFolderFaultMessage.arg(visible_controls(folder), text_of(kFolderFaultReasons, fault));
}

// Status-bar notices of what came of changes on disk, which the user did not ask for.
inline const QString kNoWatchesNotice =
    QStringLiteral("変更通知の上限に達したため、フォルダを約２秒ごとに確かめています。");
// The shown folder %1 went and the lists show %2; kListClearedNotice follows when the play
// list, which named its files, was cleared.
inline const QString kFolderGoneNotice =
    QStringLiteral("フォルダ「%1」が無くなったため、「%2」を表示しています。");
inline const QString kListClearedNotice = QStringLiteral("演奏リストはクリアしました。");

// The preview.
inline const QString kNoSuchFileMessage = QStringLiteral("ファイルが存在しません");
inline const QString kLineTooLongMessage = QStringLiteral("１行の文字数が長すぎます");
// A file that is there but could not be read: %1 which one, %2 one of kFileReadReasons.
inline const QString kUnreadableFileMessage = QStringLiteral("ファイルを読み込めませんでした。\r%1\r%2");
inline const QString kFileReadReasons[] = {
    QStringLiteral("読み込み中にエラーが発生しました。"), // None
    QStringLiteral("読み込み中にエラーが発生しました。"), // Missing
    QStringLiteral("通常のファイルではありません。"),     // NotRegularFile
    QStringLiteral("読み取りの権限がありません。"),       // NoPermission
    QStringLiteral("読み込み中にエラーが発生しました。"), // TooLarge
    QStringLiteral("読み込み中にエラーが発生しました。"), // Other
};
static_assert(std::size(kFileReadReasons) == std::size_t(FileFailure::Other) + 1);

// Files dropped onto the window.
inline const QString kOneDropOnlyMessage = QStringLiteral(
    "ドロップできるファイルは１つだけです。\r複数のファイルはリストモードでリストに追加できます。");
// A dropped file %1 the current mode does not list (%2: the file list's patterns).
inline const QString kDropRefusedMessage =
    QStringLiteral("「%1」は扱えません。\r今のモードで選べるファイル（%2）ではありません。");
// A dropped tune outside the shown folder, which a play-list entry cannot name.
inline const QString kDropFromOtherFolderMessage =
    QStringLiteral("「%1」は表示中のフォルダのファイルではないため、リストに追加できません。");

// Album files (%1: the album file; the reason of a failed write goes through with_reason).
inline const QString kNoFileNameMessage = QStringLiteral("ファイル名が指定されませんでした");
inline const QString kAlbumWrittenMessage = QStringLiteral("%1にリストを書き込みました");
inline const QString kAlbumNotWrittenMessage = QStringLiteral("%1にリストを書き込めませんでした");
// Asked before an album replaces a file of its name.
inline const QString kAlbumExistsQuestion = QStringLiteral("「%1」は既にあります。上書きしますか？");
inline const QString kAlbumNotReadMessage = QStringLiteral("%1からリストを読み込めませんでした");

// Renaming.
inline const QString kRenameTitle = QStringLiteral("ファイル名変更確認");
inline const QString kRenameFailedMessage = QStringLiteral("ファイル名を変更できませんでした。");
inline const QString kRenameDeclinedMessage = QStringLiteral("ファイル名を変更しませんでした。");
inline const QString kNoNewNameMessage = QStringLiteral("ファイル名が入力されていません。");
inline const QString kNameIsPathMessage =
    QStringLiteral("フォルダの区切り文字を含む名前や「.」「..」には変更できません。");
// %1 the old name, %2 the new one.
inline const QString kRenameQuestion =
    QStringLiteral("ファイル名を「%1」から\r「%2」に変更します。\rよろしいですか？");
// A listed name in a foreign encoding: %1 the name it reads as in CP932, offered in its place.
inline const QString kForeignNameQuestion = QStringLiteral(
    "ファイル名の文字コードがこのシステムと異なるため、このままでは使えません。\r「%1」に変更しますか？");
inline const QString kUnusableNameMessage =
    QStringLiteral("ファイル名「%1」はこのシステムで読めない文字を含むため、このファイルは使えません。");

// Deleting (%1: the file).
inline const QString kDeleteTitle = QStringLiteral("ファイルの削除");
inline const QString kDeleteQuestion = QStringLiteral("「%1」を\rごみ箱に移動しますか？");
inline const QString kDeleteMissingMessage = QStringLiteral("「%1」が見つかりません。");
inline const QString kDeleteFailedMessage = QStringLiteral("ごみ箱に移動できませんでした。");

// The file manager could not be started.
inline const QString kOpenFolderFailedMessage = QStringLiteral("開けませんでした。");

// The trial window's definition file, made when it is missing.
inline const QString kDefinitionCreatedMessage =
    QStringLiteral("定義ファイルが無いと思われますので、新規に作成します。");

// The help menu's version box (%1: version_caption()).
inline const QString kVersionMessage = QStringLiteral("%1\rRavu 曲ファイル選択ツール");

// A failure's text with the reason, where known, on a line of its own, as settings failures
// give theirs.
inline QString with_reason(const QString& text, const QString& reason)
{
    return reason.isEmpty() ? text : text + QLatin1Char('\r') + reason;
}
