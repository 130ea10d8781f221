#pragma once
// Selection modes, the file list's double-click, the list clear button, and the folder and
// drive rules that guard a play list in use.

class QString;
struct ModeSettings;
struct WindowContext;

class ModeNavigation {
public:
    explicit ModeNavigation(WindowContext& context);

    // Selects an option from code: checks it and runs the mode change as a click would.
    void select_option(int index);
    // The mode change to option index (a click on it, also on the one already selected).
    void change_mode(int index);
    void on_file_double_click();
    void clear_list_asked(); // Command6
    void folder_rule();
    void drive_rule();
    // A folder row could not be opened: says which folder and why, and re-reads the lists.
    void folder_open_failed(const QString& folder);

private:
    bool confirmed(const QString& question);
    void apply_settings(const ModeSettings& settings);
    void accept_folder(const QString& folder);
    void revert_folder();

    WindowContext& m_context;
};
