#pragma once
// The selected file as the target, and its first lines in the preview field Text1.

#include "target_display.h"
#include "window_dialogs.h"

#include <QStringList>

class FileList;
class QPlainTextEdit;
struct AppState;

// The field's text for the lines read: one paragraph a line, NUL shown as the control
// picture ␀ (the field would cut the text there).
QString preview_field_text(const QStringList& lines);

class Preview {
public:
    // Follows the file list's selection; shows the lines in field and the target in target.
    Preview(AppState& state, FileList* files, QPlainTextEdit* field, TargetDisplay target,
            WindowDialogs dialogs);
    void on_selection_changed();

private:
    AppState& m_state;
    FileList* m_files;
    QPlainTextEdit* m_field;
    TargetDisplay m_target;
    WindowDialogs m_dialogs;
};
