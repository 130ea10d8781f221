#include "window_messages.h"

#include "version.h"
#include "visible_text.h"

QString player_path_caption(const QString& player_path)
{
    return QStringLiteral("ravu本体のパス：") + player_path;
}

QString editor_path_caption(const QString& editor_path)
{
    return QStringLiteral("エディタのパス：") + editor_path;
}

QString start_folder_caption(const QString& start_dir)
{
    return QStringLiteral("実行時ディレクトリ：") + start_dir;
}

QString folder_fault_message(const QString& folder, FolderFault fault)
{
    QString reason;
    switch (fault) {
    case FolderFault::Missing:
        reason = QStringLiteral("フォルダが見つかりません。");
        break;
    case FolderFault::NotAFolder:
        reason = QStringLiteral("フォルダではありません。");
        break;
    case FolderFault::NoPermission:
        reason = QStringLiteral("フォルダを開く権限がありません。");
        break;
    case FolderFault::NameTooLong:
        reason = QStringLiteral("パスが長すぎます。");
        break;
    case FolderFault::Other:
        reason = QStringLiteral("フォルダを読み取れません。");
        break;
    }
    return QStringLiteral("フォルダを開けませんでした。\r") + visible_controls(folder) + QLatin1Char('\r')
           + reason;
}

QString folder_gone_notice(const QString& gone, const QString& now, bool list_cleared)
{
    QString text = QStringLiteral("フォルダ「") + visible_controls(gone)
                   + QStringLiteral("」が無くなったため、「") + visible_controls(now)
                   + QStringLiteral("」を表示しています。");
    if (list_cleared)
        text += QStringLiteral("演奏リストはクリアしました。");
    return text;
}

QString unreadable_file_message(const QString& path, FileFailure failure)
{
    QString reason;
    switch (failure) {
    case FileFailure::NoPermission:
        reason = QStringLiteral("読み取りの権限がありません。");
        break;
    case FileFailure::NotRegularFile:
        reason = QStringLiteral("通常のファイルではありません。");
        break;
    case FileFailure::None:
    case FileFailure::Missing:
    case FileFailure::TooLarge:
    case FileFailure::Other:
        reason = QStringLiteral("読み込み中にエラーが発生しました。");
        break;
    }
    return QStringLiteral("ファイルを読み込めませんでした。\r") + visible_controls(path) + QLatin1Char('\r')
           + reason;
}

QString album_written_message(const QString& album)
{
    return album + QStringLiteral("にリストを書き込みました");
}

QString album_not_written_message(const QString& album, const QString& reason)
{
    QString text = album + QStringLiteral("にリストを書き込めませんでした");
    if (!reason.isEmpty())
        text += QLatin1Char('\r') + reason;
    return text;
}

QString album_exists_question(const QString& name)
{
    return QStringLiteral("「") + name + QStringLiteral("」は既にあります。上書きしますか？");
}

QString album_not_read_message(const QString& album)
{
    return album + QStringLiteral("からリストを読み込めませんでした");
}

QString rename_question(const QString& old_name, const QString& new_name)
{
    return QStringLiteral("ファイル名を「") + old_name + QStringLiteral("」から") + QLatin1Char('\r')
           + QStringLiteral("「") + new_name + QStringLiteral("」に変更します。") + QLatin1Char('\r')
           + QStringLiteral("よろしいですか？");
}

QString foreign_name_question(const QString& name)
{
    return QStringLiteral("ファイル名の文字コードがこのシステムと異なるため、このままでは使えません。\r「")
           + name + QStringLiteral("」に変更しますか？");
}

QString unusable_name_message(const QString& shown)
{
    return QStringLiteral("ファイル名「") + shown
           + QStringLiteral("」はこのシステムで読めない文字を含むため、このファイルは使えません。");
}

QString delete_question(const QString& path)
{
    return QStringLiteral("「") + path + QStringLiteral("」を") + QLatin1Char('\r')
           + QStringLiteral("ごみ箱に移動しますか？");
}

QString delete_missing_message(const QString& path)
{
    return QStringLiteral("「") + path + QStringLiteral("」が見つかりません。");
}

QString delete_failed_message(const QString& reason)
{
    QString text = QStringLiteral("ごみ箱に移動できませんでした。");
    if (!reason.isEmpty())
        text += QLatin1Char('\r') + reason;
    return text;
}

QString version_message()
{
    return version_caption() + QLatin1Char('\r') + QStringLiteral("Ravu 曲ファイル選択ツール");
}

QString drop_refused_message(const QString& name, const QString& pattern)
{
    return QStringLiteral("「") + visible_controls(name)
           + QStringLiteral("」は扱えません。\r今のモードで選べるファイル（") + pattern
           + QStringLiteral("）ではありません。");
}

QString drop_from_other_folder_message(const QString& name)
{
    return QStringLiteral("「") + visible_controls(name)
           + QStringLiteral("」は表示中のフォルダのファイルではないため、リストに追加できません。");
}
