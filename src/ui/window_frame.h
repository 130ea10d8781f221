#pragma once
// The main window's resize rule and the click on its free surface.

class ClientArea;
class FileList;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QWidget;

struct FrameControls {
    ClientArea* client = nullptr;
    QPlainTextEdit* preview = nullptr; // Text1
    QListWidget* list = nullptr;       // List1
    FileList* files = nullptr;         // File1
    QLabel* first_panel = nullptr;     // the status bar's first panel
};

class WindowFrame {
public:
    // Connects the client area's size changes and free-surface clicks. window is the main
    // window, whose outer width the rule follows.
    WindowFrame(QWidget& window, const FrameControls& controls);

    // Text1, List1 and File1 follow the window's size.
    void apply_resize_rule();
    // Status-bar panel 1 becomes 800 twips wide until the window's size next changes.
    void free_surface_clicked();

private:
    void release_panel_width();

    QWidget& m_window;
    FrameControls m_controls;
    bool m_panel_width_set = false;
    int m_panel_minimum_width = 0; // panel 1's own minimum, back once the width is released
};
