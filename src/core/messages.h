#pragma once
// The texts core hands to the windows for a message box or a question, kept in this one
// place. Where a text goes: a whole box text that core decides (a question, a refusal, a
// failure naming a file) is declared here, fixed texts as constants, texts with a file name
// or a reason in them as functions. A short reason that a reader or writer returns with its
// failure ("ファイルがありません") stays beside the code that finds it. Texts the windows
// make themselves live in ui's window_messages.h, the system layer's in system_messages.h.

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

// The play list.
inline const QString kListFullMessage = QStringLiteral("これ以上選択出来ません");
// An album keeps one name a line, so a name holding a line break cannot be kept in one.
inline const QString kNameWithLineBreakMessage =
    QStringLiteral("ファイル名に改行が含まれているため、リストに追加できません");

// The selection modes and the folder rule.
inline const QString kListInvalidQuestion =
    QStringLiteral("選択されたリストが無効になりますがよろしいですか？");
inline const QString kListSelectFolderQuestion = QStringLiteral(
    "ファイル選択中です。パスを変更すると選択されたファイルがクリアされますがよろしいですか？");
inline const QString kAlbumFolderQuestion =
    QStringLiteral("リスト読込中です。パスを変更すると読み込んだクリアされますがよろしいですか？");
inline const QString kAbnormalState = QStringLiteral("状態が異常です");
inline const QString kInvalidSelection = QStringLiteral("無効な選択です");

// A settings write that failed: the file and the reason.
QString settings_write_failure_message(const QString& ini_path, const QString& reason);

// The two trial operations.
QString missing_definition_message(const QString& conf_path);
QString conf_editor_failure_message(const QString& editor_path, const QString& conf_path);
// Where reading the definition file or writing the trial tune fails (the player is then not
// started, so it never plays an old trial tune).
QString trial_write_failure_message(const QString& tmp_path);
QString definition_read_failure_message(const QString& conf_path, const QString& reason);
// A character of the trial that the player's code page cannot hold.
QString refused_character_message(const QString& character);

// A Windows player whose runner is not there: the system's runner (what to install) or the
// one the settings name.
QString default_runner_missing_message(const QString& player_path);
QString named_runner_missing_message(const QString& player_path, const QString& runner);
