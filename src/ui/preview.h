#pragma once
// The selected file as the target, and its first lines in the preview field Text1.

#include <QStringList>

struct WindowContext;

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
