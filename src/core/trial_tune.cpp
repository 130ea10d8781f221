#include "trial_tune.h"

#include "messages.h"

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

QString trial_text_with_crlf(const QString& field_text)
{
    // Every line break to LF first, then every LF to CR LF.
    QString text = field_text;
    text.replace(kCrLf, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), kCrLf);
}

std::optional<QByteArray> trial_tune_bytes(const TextLines& definition, const QString& trial_text,
                                           QString* refused)
{
    QByteArray bytes;
    if (definition.codec == TextCodec::Cp932) {
        bytes = split_byte_lines(definition.bytes).join("\r\n");
    } else {
        const std::optional<QByteArray> lines = encode_for_player(definition.lines.join(kCrLf), refused);
        if (!lines)
            return std::nullopt;
        bytes = *lines;
    }
    const std::optional<QByteArray> text = encode_for_player(trial_text, refused);
    if (!text)
        return std::nullopt;
    return bytes + "\r\n" + *text;
}

bool definition_file_exists(const QString& conf_path) { return QFileInfo(conf_path).isFile(); }

bool create_definition_file(const QString& conf_path)
{
    // The template and one more CR LF.
    const std::optional<QByteArray> bytes = cp932_encode(definition_template() + kCrLf);
    return bytes && write_file_atomically(conf_path, *bytes);
}

TrialTuneWrite write_trial_tune(const QString& conf_path, const QString& tmp_path, const QString& trial_text)
{
    TrialTuneWrite result;
    const TextLines definition = read_text_lines(conf_path, LineBounds{-1, -1, kDefinitionMaxBytes, false});
    if (!definition.error.ok()) {
        result.detail = definition.error.reason;
        return result;
    }
    const std::optional<QByteArray> tune = trial_tune_bytes(definition, trial_text, &result.detail);
    if (!tune) {
        result.status = TrialTuneWrite::Status::Refused;
        return result;
    }
    result.conf_text = cp932_decode(*tune);
    result.detail.clear();
    result.status = write_file_atomically(tmp_path, *tune + "\r\n", &result.detail)
                        ? TrialTuneWrite::Status::Written
                        : TrialTuneWrite::Status::WriteFailed;
    return result;
}
