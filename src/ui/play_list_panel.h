#pragma once
// The play list and its list box List1: adding the selected file, removing and moving the
// selected rows, clearing, and the album file's save and load.

#include "window_dialogs.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

struct MainControls;
struct ListEdit;
struct AppState;

class PlayListPanel {
public:
    // Connects the four buttons.
    PlayListPanel(AppState& state, const MainControls& controls, WindowDialogs dialogs);
    void add_list();
    void clear_list();
    // Command6: a list in use is cleared once the user agrees.
    void clear_list_asked();
    void save_list();
    void load_list();

    // The rows selected in List1: removed, moved one place (-1 up, 1 down), or moved to stand
    // before a row (a drag inside List1).
    void remove_selected();
    void move_selected(int step);
    void move_rows(const QList<int>& rows, int before);
    bool can_remove() const;
    bool can_move(int step) const;

    // Called after every change of the rows with where each earlier row went (-1: removed;
    // rows added at the end are not in it).
    void on_edit(std::function<void(const QList<int>&)> edited) { m_edited = std::move(edited); }

private:
    // The album's path from the save dialog, ".alb" added; a file of that name is replaced
    // only once the user agrees. Nothing when the user gave none (and was told so).
    std::optional<QString> ask_album_path();
    void apply(const ListEdit& edit);

    AppState& m_state;
    const MainControls& m_controls;
    WindowDialogs m_dialogs;
    QString m_last_album_name; // offered again by the next save dialog
    std::function<void(const QList<int>&)> m_edited = [](const QList<int>&) {};
};
