#pragma once
// The main window's resize rule and the click on its free surface.

#include <optional>

class QWidget;
struct MainControls;

class WindowFrame {
public:
    // Connects the client area's size changes and free-surface clicks. window is the main
    // window, whose outer width the rule follows.
    WindowFrame(QWidget& window, const MainControls& controls);

    // Text1, List1 and File1 follow the window's size.
    void apply_resize_rule();
    // Status-bar panel 1 becomes 800 twips wide until the window's size next changes.
    void free_surface_clicked();

private:
    QWidget& m_window;
    const MainControls& m_controls;
    std::optional<int> m_panel_minimum_width; // panel 1's own minimum while its width is set
};
