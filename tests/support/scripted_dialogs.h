#pragma once
// Dialogs for tests: records every box and file dialog, answers from queues given in advance.

#include "dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

struct RecordedMessage {
    QString text;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
    MessageAnswer default_answer;
};

class ScriptedDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget* parent, const QString& text, MessageButtons buttons, MessageIcon icon,
                          const QString& title, MessageAnswer default_answer) override;
    std::optional<QString> save_file(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> open_file(QWidget* parent, const FileDialogRequest& request) override;

    // Answers for Yes/No boxes, in order. A Yes/No box with none queued fails the test (and
    // is answered No).
    QQueue<MessageAnswer> answers;
    // Results of save and open dialogs, in order; nothing queued means cancel.
    QQueue<std::optional<QString>> save_results;
    QQueue<std::optional<QString>> open_results;
    // Runs while a box is "open" (after it is recorded, before it returns).
    std::function<void(const RecordedMessage&)> on_message;

    QList<RecordedMessage> messages;
    QList<FileDialogRequest> save_requests;
    QList<FileDialogRequest> open_requests;

    QStringList texts() const;
    void clear();
};
