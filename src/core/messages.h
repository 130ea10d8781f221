#pragma once
// The texts core hands to the windows: whole box texts core decides (a question, a refusal, a
// failure naming a file) and the reasons its readers and writers give; %1, %2 are filled by
// the caller with arg(). The windows' own texts live in ui's window_messages.h, the system
// layer's in system_messages.h.

#include <QString>

#include <cstddef>
#include <iterator>

// The text of an enum value in a table kept in the order of the enum's values.
template <typename Enum, std::size_t N>
const QString& text_of(const QString (&texts)[N], Enum value)
{
    return texts[std::size_t(value)];
}

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

// A settings write that failed: %1 the file, %2 the reason.
inline const QString kSettingsWriteFailureMessage =
    QStringLiteral("設定ファイルに書き込めませんでした。\r%1\r%2");

// The two trial operations (%1: the definition file, or the editor and %2 the definition file).
inline const QString kMissingDefinitionMessage =
    QStringLiteral("%1 がありません。 \r\n定義ファイルを作成してください。");
inline const QString kConfEditorFailureMessage =
    QStringLiteral("エディタ起動に失敗しました。\rパスを確認してください。%1：%2");
// Where reading the definition file (%2: the reason) or writing the trial tune %1 fails (the
// player is then not started, so it never plays an old trial tune).
inline const QString kTrialWriteFailureMessage = QStringLiteral("試奏ファイルを書き込めませんでした。\r%1");
inline const QString kDefinitionReadFailureMessage =
    QStringLiteral("定義ファイルを読み込めませんでした。\r%1\r%2");
// A character %1 of the trial that the player's code page cannot hold (%2: its code_points).
inline const QString kRefusedCharacterMessage =
    QStringLiteral("「%1」(%2)はShift-JISにない文字のため、試奏できません。");

// Why a file could not be read or written, in the order of FileFailure.
inline const QString kFileFailureReasons[] = {
    QString(),                                      // None
    QStringLiteral("ファイルがありません"),         // Missing
    QStringLiteral("通常のファイルではありません"), // NotRegularFile
    QStringLiteral("アクセスが許可されていません"), // NoPermission
    QStringLiteral("ファイルが大きすぎます"),       // TooLarge
    QStringLiteral("読み書きできません"),           // Other
};
inline const QString kNotWritableReason = QStringLiteral("書き込みが許可されていません");
// An album line longer than any file name.
inline const QString kAlbumLineTooLongReason = QStringLiteral("ファイル名として長すぎる行があります");

// Why a settings write is refused, in the order of ProfileRefusal (None, NotOneLine, BadKey,
// ValueTooLong, NotInCodePage, CodePageWouldChange); %1: the most characters a value may
// have, or the character the file's code page cannot hold.
inline const QString kProfileRefusalReasons[] = {
    QString(),
    QStringLiteral("改行やNUL文字は書き込めません"),
    QStringLiteral("キーの名前が正しくありません"),
    QStringLiteral("値が長すぎます（%1文字まで）"),
    QStringLiteral("設定ファイルがShift-JISで書かれているため、「%1」を書き込めません"),
    QStringLiteral("Shift-JISの設定ファイルがUTF-8として読まれるようになるため、書き込めません"),
};

// A Windows player whose runner is not there: %1 the player; the system's runner (what to
// install), or %2 the one the settings name.
inline const QString kDefaultRunnerMissingMessage =
    QStringLiteral("Windows用のプレイヤー「%1」を起動するためのプログラム wine が見つかりません。\r"
                   "wine をインストールしてください (Debian: apt install wine)。\r"
                   "プレイヤーを直接起動するには、設定ファイルの Runner に - を書いてください。");
inline const QString kNamedRunnerMissingMessage =
    QStringLiteral("Windows用のプレイヤー「%1」を起動するためのプログラム「%2」(設定ファイルの "
                   "Runner) が見つかりません。\rパスを確認してください。");
