#pragma once
// The play list and its list box, and the album file's save and load.

struct WindowContext;

class PlayListPanel {
public:
    explicit PlayListPanel(WindowContext& context);
    void add_list();
    void clear_list();
    void save_list();
    void load_list();
private:
    WindowContext& m_context;
};
