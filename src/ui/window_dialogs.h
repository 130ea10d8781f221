#pragma once
// The boxes a unit of a window shows: the program's dialogs, over the window they belong to.

#include "dialogs.h"

class QWidget;

struct WindowDialogs {
    Dialogs& dialogs;
    QWidget* parent;

    void tell(const QString& text) const { dialogs.message(parent, text); }
    // A Yes/No warning; true when the answer is Yes.
    bool confirmed(const QString& question, MessageAnswer default_answer = MessageAnswer::Ok) const
    {
        return dialogs.message(parent, question, MessageButtons::YesNo, MessageIcon::Warning, QString(),
                               default_answer)
               == MessageAnswer::Yes;
    }
};
