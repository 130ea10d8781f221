#pragma once
// Message boxes and the save-form file dialog, behind one interface a test can script.

#include <QString>
#include <optional>

class QWidget;

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Warning };
enum class MessageAnswer { Ok, Yes, No };

struct SaveDialogRequest {
    QString title;
    QString filter;         // "description|pattern", e.g. "Ravu本体 (*.exe)|*.exe"
    QString initial_folder; // empty: the dialog's own choice
    QString initial_name;   // the name chosen the previous time, or empty
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

    // The save-form file dialog: the chosen full path, or nothing on cancel or failure.
    virtual std::optional<QString> save_file(QWidget* parent, const SaveDialogRequest& request) = 0;
};

inline const QString kProgramTitle = QStringLiteral("Ravu Filer");
