#pragma once
// The play list and its list box List1: adding the selected file, clearing, and the album
// file's save and load.

#include "window_dialogs.h"

#include <QString>

#include <optional>

class FileList;
class FolderList;
class QListWidget;
class QPushButton;
struct AppState;

struct PlayListControls {
    QPushButton* add = nullptr;    // Command5 リスト選択
    QPushButton* clear = nullptr;  // Command6 リストクリア
    QPushButton* save = nullptr;   // Command4 alb保存
    QPushButton* load = nullptr;   // Command7 alb読込
    QListWidget* list = nullptr;   // List1
    FileList* files = nullptr;     // where the names come from
    FolderList* folders = nullptr; // where the save dialog starts
};

class PlayListPanel {
public:
    // Connects the four buttons.
    PlayListPanel(AppState& state, const PlayListControls& controls, WindowDialogs dialogs);
    void add_list();
    void clear_list();
    // Command6: a list in use is cleared once the user agrees.
    void clear_list_asked();
    void save_list();
    void load_list();

private:
    // The album's path from the save dialog, ".alb" added; a file of that name is replaced
    // only once the user agrees. Nothing when the user gave none (and was told so).
    std::optional<QString> ask_album_path();

    AppState& m_state;
    PlayListControls m_controls;
    WindowDialogs m_dialogs;
    QString m_last_album_name; // offered again by the next save dialog
};
