#pragma once
// The selected file as the target, and its first lines in the preview field Text1.

#include "target_display.h"
#include "window_dialogs.h"

#include <QStringList>

struct AppState;
struct MainControls;

// The field's text for the lines read: one paragraph a line, NUL shown as the control
// picture ␀ (the field would cut the text there).
QString preview_field_text(const QStringList& lines);

class Preview {
public:
    // Follows the file list's selection; shows the lines in Text1 and the target with it.
    Preview(AppState& state, const MainControls& controls, WindowDialogs dialogs);
    void on_selection_changed();

private:
    AppState& m_state;
    const MainControls& m_controls;
    WindowDialogs m_dialogs;
};
