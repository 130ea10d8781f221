#include "messages.h"

#include <QList>

QString settings_write_failure_message(const QString& ini_path, const QString& reason)
{
    return QStringLiteral("設定ファイルに書き込めませんでした。\r") + ini_path + QLatin1Char('\r') + reason;
}

QString missing_definition_message(const QString& conf_path)
{
    return conf_path + QStringLiteral(" がありません。 \r\n")
           + QStringLiteral("定義ファイルを作成してください。");
}

QString conf_editor_failure_message(const QString& editor_path, const QString& conf_path)
{
    return kEditorStartFailedMessage + editor_path + QStringLiteral("：") + conf_path;
}

QString trial_write_failure_message(const QString& tmp_path)
{
    return QStringLiteral("試奏ファイルを書き込めませんでした。\r") + tmp_path;
}

QString definition_read_failure_message(const QString& conf_path, const QString& reason)
{
    return QStringLiteral("定義ファイルを読み込めませんでした。\r") + conf_path + QLatin1Char('\r') + reason;
}

QString refused_character_message(const QString& character)
{
    QString code;
    for (const char32_t point : character.toUcs4())
        code += QStringLiteral("U+%1").arg(uint(point), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("「%1」(%2)はShift-JISにない文字のため、試奏できません。").arg(character, code);
}

QString default_runner_missing_message(const QString& player_path)
{
    return QStringLiteral("Windows用のプレイヤー「%1」を起動するためのプログラム wine が見つかりません。\r"
                          "wine をインストールしてください (Debian: apt install wine)。\r"
                          "プレイヤーを直接起動するには、設定ファイルの Runner に - を書いてください。")
        .arg(player_path);
}

QString named_runner_missing_message(const QString& player_path, const QString& runner)
{
    return QStringLiteral("Windows用のプレイヤー「%1」を起動するためのプログラム「%2」(設定ファイルの "
                          "Runner) が見つかりません。\rパスを確認してください。")
        .arg(player_path, runner);
}
