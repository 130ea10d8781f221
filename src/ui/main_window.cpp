#include "main_window.h"

#include "dialogs.h"
#include "drive_list.h"
#include "drop_target.h"
#include "file_list.h"
#include "file_operations.h"
#include "folder_list.h"
#include "launcher.h"
#include "live_view.h"
#include "main_menus.h"
#include "main_window_layout.h"
#include "mode_navigation.h"
#include "options_dialog.h"
#include "paths.h"
#include "play_list_actions.h"
#include "play_list_panel.h"
#include "play_list_view.h"
#include "preview.h"
#include "recent_folders_menu.h"
#include "settings.h"
#include "settings_keys.h"
#include "settings_writes.h"
#include "switch_boxes.h"
#include "system_services.h"
#include "trial_window.h"
#include "twips.h"
#include "version.h"
#include "visible_text.h"
#include "window_frame.h"
#include "window_geometry.h"
#include "window_messages.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

MainWindow::MainWindow(const QString& start_dir, Dialogs& dialogs, SystemServices& system,
                       std::function<void()> end_program, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_system(system), m_end_program(std::move(end_program))
{
    m_state.start_dir = start_dir;
    build_main_controls(*this, m_controls);
    MainControls& c = m_controls;
    c.Drive1->set_system(system);
    c.Dir1->set_system(system);
    c.File1->set_system(system);

    // The lists start on the current folder, as the controls do when the window is made.
    open_lists_at(start_dir);

    const WindowDialogs boxes{dialogs, this};
    m_switch_boxes =
        std::make_unique<SwitchBoxes>(m_state, std::array{c.Check1, c.Check2, c.Check3, c.Check4}, boxes);
    m_play_list = std::make_unique<PlayListPanel>(m_state, c, boxes);
    m_preview = std::make_unique<Preview>(m_state, c, boxes);
    m_launcher = std::make_unique<Launcher>(m_state, c, system, boxes);
    // Edits of the list during a list play move its place along; the keys and the menu follow
    // the play's start and end.
    m_play_list->on_edit([this](const QList<int>& moved_to) { m_launcher->follow_edit(moved_to); });
    m_list_actions = std::make_unique<PlayListActions>(c.List1, *m_play_list, *m_launcher, *this);
    m_launcher->on_walk_change([this] { m_list_actions->refresh(); });
    m_modes = std::make_unique<ModeNavigation>(m_state, c, *m_play_list, *m_launcher, system, boxes);
    m_file_operations = std::make_unique<FileOperations>(m_state, c, system, boxes);
    m_recent = wire_main_menus(
        c, m_state, system, boxes,
        MenuOperations{.end = [this] { close_exe(); },
                       .options = [this] { open_options(); },
                       .go_to_folder = [this](const QString& folder) { go_to_folder(folder); }});
    m_frame = std::make_unique<WindowFrame>(*this, c);
    m_geometry = std::make_unique<WindowGeometry>(*this);
    // Both owned by the window.
    auto* live = new LiveView(m_state, c, system, this);
    connect(live, &LiveView::folder_gone, this,
            [this](const QString& folder) { m_modes->leave_gone_folder(folder); });
    m_drop = new DropTarget(
        m_state, c.File1, boxes, [this] { add_list(); },
        [this](const QString& folder) { return go_to_folder(folder); }, *this);

    connect(c.Command2, &QPushButton::clicked, this, [this] { open_trial_window(); });
}

MainWindow::~MainWindow() { delete m_trial_window; }

void MainWindow::open_lists_at(const QString& folder)
{
    m_controls.Dir1->set_path(folder);
    m_controls.File1->set_path(m_controls.Dir1->path());
    m_controls.Drive1->set_drive_from_path(m_controls.Dir1->path());
    m_controls.Drive1->remember_folder(m_controls.Dir1->path());
}

void MainWindow::load()
{
    locate_own_files();
    enter_simple_mode();
    // The folder the lists show now is the accepted one until the user moves on.
    m_state.current_folder = m_controls.Dir1->path();
    read_settings();
    restore_last_folder();
    show_labels();
    setWindowTitle(version_caption());
    m_switch_boxes->apply_stored();
    // The designed place first; the stored frame, where it is wanted and usable, over it.
    move(twips_to_px(300), twips_to_px(3735));
    m_geometry->restore(m_state);
    m_recent->note_shown_folder();
}

void MainWindow::keep_recent_folders_in(const QString& file) { m_recent->keep_in(file); }

void MainWindow::open_path(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        go_to_folder(path);
        return;
    }
    if (!info.exists()) {
        m_dialogs.message(this, folder_fault_message(path, m_system.folder_fault(path)));
        return;
    }
    constexpr int kAlbumOption = 2; // Option1(2) "アルバム"
    if (info.suffix().compare(QStringLiteral("alb"), Qt::CaseInsensitive) == 0)
        m_modes->select_option(kAlbumOption);
    m_drop->take({path});
}

bool MainWindow::go_to_folder(const QString& folder)
{
    MainControls& c = m_controls;
    if (!c.Dir1->set_path(folder)) {
        m_dialogs.message(this, folder_fault_message(folder, m_system.folder_fault(folder)));
        return false;
    }
    // A play list kept by "No" keeps the lists where they were.
    if (QFileInfo(c.Dir1->path()).canonicalFilePath() != QFileInfo(folder).canonicalFilePath())
        return false;
    c.Drive1->set_drive_from_path(c.Dir1->path());
    return true;
}

// The settings file, the definition file and the trial tune live in the start folder.
void MainWindow::locate_own_files()
{
    AppState& s = m_state;
    s.ini_path = own_file_path(s.start_dir, kSettingsFileName);
    s.conf_path = own_file_path(s.start_dir, kDefinitionFileName);
    s.tmp_path = own_file_path(s.start_dir, kTrialTuneFileName);
}

// The state starts with no switches, no target and an empty play list in the simple mode;
// the controls show that mode, the list buttons off until a list mode.
void MainWindow::enter_simple_mode()
{
    MainControls& c = m_controls;
    // Wide entries of the play list scroll sideways.
    c.List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    c.Label6->setText(m_state.select_mode);
    for (QPushButton* b : {c.Command5, c.Command6, c.Command4, c.Command7})
        b->setEnabled(false);
}

// Whether the frame is remembered, the player and the editor. A player or an editor the
// file does not name opens the options dialog, with a stand-in until the user sets one.
void MainWindow::read_settings()
{
    AppState& s = m_state;
    const QString save_position = read_setting(s.ini_path, kSavePositionKey);
    s.save_position = save_position == kMissing ? kPositionNotSaved : save_position;
    const auto read_program = [&](const QString& key, QString& path, const QString& stand_in) {
        path = read_setting(s.ini_path, key);
        if (path == kMissing) {
            path = stand_in;
            open_options();
        }
    };
    read_program(kPlayerKey, s.player_path, kDefaultPlayer);
    read_program(kEditorKey, s.editor_path, m_system.default_editor());
}

// The lists open at the folder stored at the last end; one no longer there is told and the
// lists stay where they were.
void MainWindow::restore_last_folder()
{
    MainControls& c = m_controls;
    const QString last = read_setting(m_state.ini_path, kLastFolderKey);
    if (last == kMissing)
        return;
    const QString remembered = c.Dir1->path();
    if (!c.Dir1->set_path(last)) {
        m_dialogs.message(this, kLastFolderMissingMessage);
        c.Dir1->set_path(remembered);
        return;
    }
    c.File1->set_path(c.Dir1->path());
    c.Drive1->set_drive_from_path(c.Dir1->path());
}

// The hidden labels and the status bar: player, editor, target and start folder.
void MainWindow::show_labels()
{
    const AppState& s = m_state;
    MainControls& c = m_controls;
    c.Label1->setText(kPlayerPathCaption.arg(s.player_path));
    c.Label2->setText(kEditorPathCaption.arg(s.editor_path));
    target_display(c).show(s.target_file);
    c.Label4->setText(kStartFolderCaption.arg(s.start_dir));
    c.panels[2]->setText(kStartFolderCaption.arg(visible_controls(s.start_dir)));
}

void MainWindow::close_exe()
{
    if (m_closed)
        return;
    m_closed = true;
    m_launcher->stop();
    write_shutdown_settings();
    if (m_trial_window)
        m_trial_window->hide();
    hide();
    if (m_end_program)
        m_end_program();
}

void MainWindow::write_shutdown_settings()
{
    const auto store = [this](const QString& key, const QString& value) {
        store_setting(m_state, m_dialogs, this, key, value);
    };
    store(kLastFolderKey, m_controls.Dir1->path());
    // Ended before it was ever shown (during the load): no frame of its own to remember.
    if (isVisible())
        m_geometry->save(store);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    close_exe();
    event->accept();
}

void MainWindow::open_options()
{
    OptionsDialog dialog(m_state, m_controls, m_dialogs, m_system.desktop_system(),
                         isVisible() ? this : nullptr);
    dialog.exec();
}

void MainWindow::open_trial_window()
{
    if (!m_trial_window)
        m_trial_window = new TrialWindow(m_state, m_dialogs, m_system);
    m_trial_window->show();
    m_trial_window->raise();
    m_trial_window->activateWindow();
}

TrialWindow* MainWindow::trial_window() const { return m_trial_window; }

void MainWindow::save_list() { m_play_list->save_list(); }
void MainWindow::load_list() { m_play_list->load_list(); }
void MainWindow::clear_list() { m_play_list->clear_list(); }
void MainWindow::add_list() { m_play_list->add_list(); }
void MainWindow::exec_ravu_alb() { m_launcher->exec_ravu_alb(); }
void MainWindow::exec_ravu_api() { m_launcher->exec_ravu_api(); }
