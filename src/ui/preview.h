#pragma once
// The selected file as the target, and its first lines in the preview field Text1.

#include "regular_file.h"

#include <QStringList>

struct WindowContext;

inline const QString kLineTooLongMessage = QStringLiteral("１行の文字数が長すぎます");
// A file that is there but could not be read: which one, and why.
QString unreadable_text(const QString& path, FileFailure failure);

// The field's text for the lines read: one paragraph a line, NUL shown as the control
// picture ␀ (the field would cut the text there).
QString preview_field_text(const QStringList& lines);

class Preview {
public:
    explicit Preview(WindowContext& context);
    void on_selection_changed();

private:
    WindowContext& m_context;
};
