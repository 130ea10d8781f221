#pragma once
// The multi-line field that shows or takes tune text: fixed-pitch font, no wrapping,
// both scroll bars; Tab moves on to the next control instead of typing a tab.

#include "fonts.h"

#include <QPlainTextEdit>

inline void make_tune_text_field(QPlainTextEdit& field)
{
    field.setFont(fixed_japanese_font());
    field.setLineWrapMode(QPlainTextEdit::NoWrap);
    field.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field.setTabChangesFocus(true);
}
