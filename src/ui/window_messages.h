#pragma once
// The texts the windows put in message boxes and questions, and the texts of the hidden
// labels, kept in this one place. Where a text goes: a box text that a window decides is
// declared here, fixed texts as constants, texts with a file name or a reason in them as
// functions. A text that core decides (a refusal of the play list, a question of the folder
// rule, a failed start) is core's, in its messages.h, and the windows show it as it comes.
// The captions of the controls stay where the controls are placed.

#include "access_faults.h"
#include "regular_file.h"

#include <QString>

// The hidden labels that name the player, the editor and the start folder.
QString player_path_caption(const QString& player_path);
QString editor_path_caption(const QString& editor_path);
QString start_folder_caption(const QString& start_dir);

// Start-up: the stored last folder cannot be shown.
inline const QString kLastFolderMissingMessage = QStringLiteral("Lastpath was no there.");

// Folders and drives.
inline const QString kDriveUnavailableMessage = QStringLiteral("選択したドライブは現在使えません。");
QString folder_fault_message(const QString& folder, FolderFault fault);

// Status-bar notices of what came of changes on disk, which the user did not ask for.
inline const QString kNoWatchesNotice =
    QStringLiteral("変更通知の上限に達したため、フォルダを約２秒ごとに確かめています。");
// The shown folder went; the lists show `now`; the play list, which named its files, was cleared.
QString folder_gone_notice(const QString& gone, const QString& now, bool list_cleared);

// The preview.
inline const QString kNoSuchFileMessage = QStringLiteral("ファイルが存在しません");
inline const QString kLineTooLongMessage = QStringLiteral("１行の文字数が長すぎます");
// A file that is there but could not be read: which one, and why.
QString unreadable_file_message(const QString& path, FileFailure failure);

// Files dropped onto the window.
inline const QString kOneDropOnlyMessage = QStringLiteral(
    "ドロップできるファイルは１つだけです。\r複数のファイルはリストモードでリストに追加できます。");
// A dropped file the current mode does not list (pattern: the file list's patterns).
QString drop_refused_message(const QString& name, const QString& pattern);
// A dropped tune outside the shown folder, which a play-list entry cannot name.
QString drop_from_other_folder_message(const QString& name);

// Album files.
inline const QString kNoFileNameMessage = QStringLiteral("ファイル名が指定されませんでした");
QString album_written_message(const QString& album);
// The reason, where known, on a line of its own, as settings failures give theirs.
QString album_not_written_message(const QString& album, const QString& reason);
// Asked before an album replaces a file of its name.
QString album_exists_question(const QString& name);
QString album_not_read_message(const QString& album);

// Renaming.
inline const QString kRenameTitle = QStringLiteral("ファイル名変更確認");
inline const QString kRenameFailedMessage = QStringLiteral("ファイル名を変更できませんでした。");
inline const QString kRenameDeclinedMessage = QStringLiteral("ファイル名を変更しませんでした。");
inline const QString kNoNewNameMessage = QStringLiteral("ファイル名が入力されていません。");
inline const QString kNameIsPathMessage =
    QStringLiteral("フォルダの区切り文字を含む名前や「.」「..」には変更できません。");
QString rename_question(const QString& old_name, const QString& new_name);
// A listed name in a foreign encoding: the name it reads as in CP932, offered in its place.
QString foreign_name_question(const QString& name);
QString unusable_name_message(const QString& shown);

// Deleting.
inline const QString kDeleteTitle = QStringLiteral("ファイルの削除");
QString delete_question(const QString& path);
QString delete_missing_message(const QString& path);
QString delete_failed_message(const QString& reason);

// The file manager could not be started.
inline const QString kOpenFolderFailedMessage = QStringLiteral("開けませんでした。");

// The trial window's definition file, made when it is missing.
inline const QString kDefinitionCreatedMessage =
    QStringLiteral("定義ファイルが無いと思われますので、新規に作成します。");

// The help menu's version box.
QString version_message();
