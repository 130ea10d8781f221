#pragma once
// The main window's resize rule, the click on its free surface and its help menus.

struct WindowContext;

class WindowFrame {
public:
    explicit WindowFrame(WindowContext& context);
    void apply_resize_rule();
private:
    WindowContext& m_context;
};
