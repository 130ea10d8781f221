#include "scripted_dialogs.h"

#include <QTest>

MessageAnswer ScriptedDialogs::message(QWidget*, const QString& text, MessageButtons buttons,
                                       MessageIcon icon, const QString& title, MessageAnswer default_answer)
{
    const RecordedMessage recorded{text, title, buttons, icon, default_answer};
    messages << recorded;
    if (on_message)
        on_message(recorded);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.isEmpty()) {
        // A question the test did not expect is a fault of the program or of the test.
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + text), __FILE__, __LINE__);
        return MessageAnswer::No;
    }
    return answers.dequeue();
}

std::optional<QString> ScriptedDialogs::save_file(QWidget*, const FileDialogRequest& request)
{
    save_requests << request;
    if (save_results.isEmpty())
        return std::nullopt;
    return save_results.dequeue();
}

std::optional<QString> ScriptedDialogs::open_file(QWidget*, const FileDialogRequest& request)
{
    open_requests << request;
    if (open_results.isEmpty())
        return std::nullopt;
    return open_results.dequeue();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const RecordedMessage& m : messages)
        result << m.text;
    return result;
}

void ScriptedDialogs::clear()
{
    messages.clear();
    save_requests.clear();
    open_requests.clear();
}
