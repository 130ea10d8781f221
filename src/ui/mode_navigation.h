#pragma once
// Selection modes, the file list's double-click, and the folder and drive rules.

struct WindowContext;

class ModeNavigation {
public:
    explicit ModeNavigation(WindowContext& context);
    void select_option(int index);   // mode change to option index (runs as a click would)
    void on_file_double_click();
    void clear_list_asked();         // Command6
    void folder_rule();
    void drive_rule();
private:
    WindowContext& m_context;
};
