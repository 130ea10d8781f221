#include "trial_tune.h"

#include "messages.h"
#include "text_lines.h"

#include <QFileInfo>

namespace {

const char* const kTemplateLines[] = {
    "; RavuConf.rav",
    "; このファイルは、Ravfilerで使用する、ravu試奏用定義ファイルです。",
    ";┌─────────────┐　┐",
    ";│このファイル(RavuConf.rav)│　│",
    ";│　　　　　　　　　　　　　│　│",
    ";└─────────────┘　│",
    ";　　　　　　　＋　　　　　　　　│→この部分を、RavuTmp.ravとして",
    ";┌─────────────┐　│　出力し、Ravuで演奏させてます。",
    ";│試奏ウィンドウのテキスト　│　│",
    ";│入力欄　　　　　　　　　　│　│",
    ";└─────────────┘　┘",
    ";以下の場所には、",
    ";@A P018      V080 R050 W000 Q000  ; オルガン",
    ";などのメンバ設定とか、試奏でよく使う内容を記述しておくことを",
    ";おすすめします。",
    ";↑",
    ";ここから上は、削除してもＯＫです。",
};

} // namespace

QString definition_template()
{
    QString text;
    for (const char* line : kTemplateLines)
        text += QString::fromUtf8(line) + kCrLf;
    return text;
}

QString definition_file_text() { return definition_template() + kCrLf; }

QString trial_text_with_crlf(const QString& field_text)
{
    QString text;
    text.reserve(field_text.size() + field_text.size() / 16);
    for (qsizetype i = 0; i < field_text.size(); ++i) {
        const QChar c = field_text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < field_text.size() && field_text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            text += kCrLf;
        } else if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator) {
            text += kCrLf;
        } else {
            text += c;
        }
    }
    return text;
}

QString compose_trial_tune(const QStringList& definition_lines, const QString& trial_text)
{
    return definition_lines.join(kCrLf) + kCrLf + trial_text;
}

bool definition_file_exists(const QString& conf_path) { return QFileInfo(conf_path).isFile(); }

bool create_definition_file(const QString& conf_path)
{
    return write_text_file(conf_path, definition_file_text());
}

TrialTuneWrite write_trial_tune(const QString& conf_path, const QString& tmp_path, const QString& trial_text)
{
    TrialTuneWrite result;
    const TextLines definition = read_text_lines(conf_path, -1, -1);
    if (!definition.ok)
        return result;
    result.conf_text = compose_trial_tune(definition.lines, trial_text);
    result.status = write_text_file(tmp_path, result.conf_text + kCrLf) ? TrialTuneWrite::Status::Written
                                                                        : TrialTuneWrite::Status::WriteFailed;
    return result;
}

QString missing_definition_message(const QString& conf_path)
{
    return conf_path + QStringLiteral(" がありません。 ") + kCrLf
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

QString definition_read_failure_message(const QString& conf_path)
{
    return QStringLiteral("定義ファイルを読み込めませんでした。\r") + conf_path;
}
