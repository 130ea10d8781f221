#pragma once
// The play list and its list box List1, and the album file's save and load.

#include <QString>

struct WindowContext;

class PlayListPanel {
public:
    explicit PlayListPanel(WindowContext& context);
    void add_list();
    void clear_list();
    void save_list();
    void load_list();

private:
    void message(const QString& text);

    WindowContext& m_context;
    QString m_last_album_name; // offered again by the next save dialog
};
