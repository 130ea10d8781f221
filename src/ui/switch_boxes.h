#pragma once
// The four switch check boxes: each click stores its switch text in the state and the file.

struct WindowContext;

class SwitchBoxes {
public:
    explicit SwitchBoxes(WindowContext& context);

    // Start-up: a non-empty stored value ticks its box, which stores the canonical switch.
    void apply_stored();

    // The switch update of box 0..3 (Check1..Check4), as a click runs it.
    void update(int box);

private:
    WindowContext& m_context;
};
