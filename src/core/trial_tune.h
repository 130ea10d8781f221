#pragma once
// The definition file "ravuconf.rav", its template, and the trial tune "ravutmp.rav" composed
// from it and the trial-play window's text.

#include "text_lines.h"

#include <QString>
#include <QStringList>

#include <optional>

inline const QString kCrLf = QStringLiteral("\r\n");

// The 17 template lines, each followed by CR LF (what conf_text holds after a creation).
QString definition_template();

// A text field's text with every line break (LF, CR LF or a lone CR) written as CR LF.
QString trial_text_with_crlf(const QString& field_text);

// The definition file is read whole up to this size; a larger one is refused.
inline constexpr qint64 kDefinitionMaxBytes = 8 * 1024 * 1024;

// Pieces 1 to 3 of the trial tune in CP932, the code page the player reads: the definition
// lines joined by CR LF (byte for byte when the file is not UTF-8, so bytes CP932 does not
// know reach the player unchanged), CR LF, the trial text (encode_for_player). Nothing when
// a character cannot be written in CP932; refused (when given) then names it.
std::optional<QByteArray> trial_tune_bytes(const TextLines& definition, const QString& trial_text,
                                           QString* refused = nullptr);

// A regular file (or a link to one) at conf_path; a folder or a device there does not count.
bool definition_file_exists(const QString& conf_path);

// Writes a new definition file from the template, in CP932. False when it could not be written.
bool create_definition_file(const QString& conf_path);

// What writing a trial tune came to. conf_text is the composed text (pieces 1 to 3), set
// once it has been composed; detail is the reason of a failure or the refused character.
struct TrialTuneWrite {
    enum class Status { Written, ReadFailed, Refused, WriteFailed };
    Status status = Status::ReadFailed;
    QString conf_text;
    QString detail;
};

// Reads the definition file with the line rule and replaces the trial tune file with the
// composed bytes and a final CR LF. trial_text already has CR LF line breaks. Nothing is
// written when a character is refused.
TrialTuneWrite write_trial_tune(const QString& conf_path, const QString& tmp_path, const QString& trial_text);
