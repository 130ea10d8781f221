#pragma once
// The main window's resize rule, the click on its free surface and its help menus.

struct WindowContext;

class WindowFrame {
public:
    // Connects the client area's size changes and free-surface clicks and the menu items
    // mnuMftxt and mnuVersion.
    explicit WindowFrame(WindowContext& context);

    // Text1, List1 and File1 follow the window's size.
    void apply_resize_rule();
    // Status-bar panel 1 becomes 800 twips wide until the window's size next changes.
    void free_surface_clicked();
    // The help text "ravfiler.txt" of the start folder in the editor, copied there first
    // when the start folder has none.
    void show_help_text();
    // "Ravu Filer Ver2.00" and a line about the program.
    void show_version();

private:
    void release_panel_width();

    WindowContext& m_context;
    bool m_panel_width_set = false;
    int m_panel_minimum_width = 0; // panel 1's own minimum, back once the width is released
};
