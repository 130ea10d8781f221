#pragma once
// Edit, open folder, delete, refresh and rename of the selected file, and the offer to
// rename a file whose name is not valid in the file system's encoding.

#include "target_display.h"
#include "window_dialogs.h"

struct MainControls;
class SystemServices;
struct AppState;

enum class RecycleResult { Moved, Declined, Missing, Failed };

// Deleting a file: asks with a Yes/No box naming the file, then moves it to the desktop trash.
// A missing file or a failed move is reported in a message box; nothing is ever erased outright.
RecycleResult recycle_file(Dialogs& dialogs, SystemServices& system, QWidget* parent, const QString& path);

class FileOperations {
public:
    // Connects the five buttons and the file list's foreign names.
    FileOperations(AppState& state, const MainControls& controls, SystemServices& system,
                   WindowDialogs dialogs);

    void edit_file();
    void open_folder();
    void delete_file();
    void refresh_lists();
    void rename_file();
    // A foreign name was selected: rename it to its CP932 reading when the user agrees,
    // or say that the name cannot be used.
    void offer_usable_name();

private:
    AppState& m_state;
    const MainControls& m_controls;
    TargetDisplay m_target;
    SystemServices& m_system;
    WindowDialogs m_dialogs;
};
