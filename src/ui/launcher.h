#pragma once
// The launch button: one tune, or the play list entry by entry.

struct WindowContext;

class Launcher {
public:
    explicit Launcher(WindowContext& context);
    void launch(); // Command1
    void exec_ravu_api();
    void exec_ravu_alb();
private:
    WindowContext& m_context;
};
