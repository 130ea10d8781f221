#pragma once
// The selected file as the target, and its first lines in the preview field.

struct WindowContext;

class Preview {
public:
    explicit Preview(WindowContext& context);
    void on_selection_changed();
private:
    WindowContext& m_context;
};
