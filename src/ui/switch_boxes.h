#pragma once
// The four switch check boxes: each click stores its switch text in the state and the file.

#include "window_dialogs.h"

#include <array>

class QCheckBox;
struct AppState;

class SwitchBoxes {
public:
    // boxes are Check1..Check4: play at once, end after playing, end other players, icon.
    SwitchBoxes(AppState& state, const std::array<QCheckBox*, 4>& boxes, WindowDialogs dialogs);

    // Start-up: a non-empty stored value ticks its box, which stores the canonical switch.
    void apply_stored();

    // The switch update of box 0..3 (Check1..Check4), as a click runs it.
    void update(int box);

private:
    AppState& m_state;
    std::array<QCheckBox*, 4> m_boxes;
    WindowDialogs m_dialogs;
};
