#pragma once
// Message boxes and the file dialogs, behind one interface a test can script.

#include <QString>
#include <optional>

class QWidget;

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Warning };
enum class MessageAnswer { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    // "description|pattern" pairs joined by "|", e.g. "Ravu本体 (*.exe)|*.exe|すべてのファイル (*)|*"
    QString filter;
    QString initial_folder; // empty: the dialog's own choice
    QString initial_name;   // the name chosen the previous time, or empty
    // The first filter lists only files the user may run (names alone cannot tell where
    // programs carry no extension).
    bool programs_first = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box. The text keeps its CR or CR LF line breaks; an empty title means the
    // program's title "Ravu Filer". default_answer is the button that Enter presses.
    virtual MessageAnswer message(QWidget* parent, const QString& text,
                                  MessageButtons buttons = MessageButtons::Ok,
                                  MessageIcon icon = MessageIcon::None, const QString& title = QString(),
                                  MessageAnswer default_answer = MessageAnswer::Ok) = 0;

    // The save-form file dialog: the chosen full path, or nothing on cancel or failure. It
    // never asks about replacing a file itself; that is the caller's to decide.
    virtual std::optional<QString> save_file(QWidget* parent, const FileDialogRequest& request) = 0;
    // The open-form file dialog: the full path of an existing file, or nothing on cancel or
    // failure.
    virtual std::optional<QString> open_file(QWidget* parent, const FileDialogRequest& request) = 0;
};

inline const QString kProgramTitle = QStringLiteral("Ravu Filer");
