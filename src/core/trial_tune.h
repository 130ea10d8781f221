#pragma once
// The definition file "ravuconf.rav", its template, and the trial tune "ravutmp.rav" composed
// from it and the trial-play window's text.

#include <QString>
#include <QStringList>

inline const QString kCrLf = QStringLiteral("\r\n");

// The 17 template lines, each followed by CR LF (what conf_text holds after a creation).
QString definition_template();

// The text of a newly created definition file: the template and one more CR LF.
QString definition_file_text();

// A text field's text with every line break (LF, CR LF or a lone CR) written as CR LF.
QString trial_text_with_crlf(const QString& field_text);

// Pieces 1 to 3 of the trial tune: the definition lines joined by CR LF, CR LF, the trial
// text as given. The file gets one more CR LF after this.
QString compose_trial_tune(const QStringList& definition_lines, const QString& trial_text);

// A regular file (or a link to one) at conf_path; a folder or a device there does not count.
bool definition_file_exists(const QString& conf_path);

// Writes a new definition file from the template. False when it could not be written.
bool create_definition_file(const QString& conf_path);

// What writing a trial tune came to. conf_text is the composed text (pieces 1 to 3), set
// once the definition file has been read.
struct TrialTuneWrite {
    enum class Status { Written, ReadFailed, WriteFailed };
    Status status = Status::ReadFailed;
    QString conf_text;
};

// Reads the definition file with the line rule and replaces the trial tune file with the
// composed text and a final CR LF. trial_text already has CR LF line breaks.
TrialTuneWrite write_trial_tune(const QString& conf_path, const QString& tmp_path, const QString& trial_text);

// Messages of the two trial operations.
QString missing_definition_message(const QString& conf_path);
QString conf_editor_failure_message(const QString& editor_path, const QString& conf_path);
// Where reading the definition file or writing the trial tune fails (the player is then not
// started, so it never plays an old trial tune).
QString trial_write_failure_message(const QString& tmp_path);
QString definition_read_failure_message(const QString& conf_path);
