#pragma once
// The main window: owns the program state and the units that carry its behaviour, and
// offers their operations to the other windows, the menus and the tests.

#include "app_state.h"
#include "main_controls.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class Dialogs;
class SystemServices;
class ModeNavigation;
class Preview;
class PlayListPanel;
class PlayListActions;
class Launcher;
class FileOperations;
class RecentFoldersMenu;
class WindowFrame;
class WindowGeometry;
class SwitchBoxes;
class TrialWindow;
class DropTarget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // start_dir is the folder current at start-up; end_program ends the process and is
    // called by close_exe once the settings are written.
    MainWindow(const QString& start_dir, Dialogs& dialogs, SystemServices& system,
               std::function<void()> end_program, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Before load(): the folder the lists open at when no last folder is stored (the start
    // folder unless this is called).
    void open_lists_at(const QString& folder);
    // Before load(): the recent folders are kept in this file (otherwise for the run only).
    void keep_recent_folders_in(const QString& file);
    // The start-up, run once before the window is first shown.
    void load();
    // After load(): a folder, a tune or an album named at the start. A folder opens the
    // lists there; a tune opens its folder and is selected as a click would; an album the
    // same in album mode. A path that is not there is told as a failed folder change.
    void open_path(const QString& path);

    AppState& state() { return m_state; }
    MainControls& controls() { return m_controls; }

    // Public operations other windows and units call.
    void close_exe();
    // What close_exe writes (the last folder and the geometry), without ending: for a
    // desktop session that is ending and may still be cancelled.
    void write_shutdown_settings();
    void save_list();
    void load_list();
    void clear_list();
    void add_list();
    void exec_ravu_alb();
    void exec_ravu_api();
    // The lists to the folder as a double-click on it would move them (the folder rule asks
    // what it asks); a folder that cannot be opened is told. True when the lists show it.
    bool go_to_folder(const QString& folder);

    // Opens the options dialog modally (start-up and the menu).
    void open_options();
    // Shows the trial-play window, creating it when it is not open.
    void open_trial_window();
    TrialWindow* trial_window() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The start-up steps, in the order load() runs them.
    void locate_own_files();
    void enter_simple_mode();
    void read_settings();
    void restore_last_folder();
    void show_labels();

    AppState m_state;
    MainControls m_controls;
    Dialogs& m_dialogs;
    SystemServices& m_system;
    std::function<void()> m_end_program;
    bool m_closed = false;

    std::unique_ptr<SwitchBoxes> m_switch_boxes;
    std::unique_ptr<Preview> m_preview;
    std::unique_ptr<PlayListPanel> m_play_list;
    std::unique_ptr<Launcher> m_launcher;
    std::unique_ptr<PlayListActions> m_list_actions;
    std::unique_ptr<ModeNavigation> m_modes;
    std::unique_ptr<FileOperations> m_file_operations;
    std::unique_ptr<WindowFrame> m_frame;
    std::unique_ptr<WindowGeometry> m_geometry;
    DropTarget* m_drop = nullptr;          // owned by the window
    RecentFoldersMenu* m_recent = nullptr; // owned by its menu
    QPointer<TrialWindow> m_trial_window;  // cleared when the window is closed (and deleted)
};
