#include "main_window.h"

#include "desktop_system.h"
#include "dialogs.h"
#include "drive_list.h"
#include "drop_target.h"
#include "file_list.h"
#include "file_operations.h"
#include "folder_list.h"
#include "launcher.h"
#include "live_view.h"
#include "main_window_layout.h"
#include "mode_navigation.h"
#include "options_dialog.h"
#include "paths.h"
#include "play_list_panel.h"
#include "preview.h"
#include "settings.h"
#include "settings_writes.h"
#include "switch_boxes.h"
#include "trial_window.h"
#include "twips.h"
#include "version.h"
#include "visible_text.h"
#include "window_frame.h"
#include "window_geometry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

MainWindow::MainWindow(const QString& start_dir, Dialogs& dialogs, SystemServices& system,
                       std::function<void()> end_program, QWidget* parent)
    : QMainWindow(parent), m_context{m_state, m_controls, dialogs, system, *this},
      m_end_program(std::move(end_program))
{
    m_state.start_dir = start_dir;
    build_main_controls(*this, m_controls);

    // The lists start on the current folder, as the controls do when the window is made.
    open_lists_at(start_dir);

    m_switch_boxes = std::make_unique<SwitchBoxes>(m_context);
    m_play_list = std::make_unique<PlayListPanel>(m_context);
    m_preview = std::make_unique<Preview>(m_context);
    m_modes = std::make_unique<ModeNavigation>(m_context);
    m_launcher = std::make_unique<Launcher>(m_context);
    m_file_operations = std::make_unique<FileOperations>(m_context);
    m_frame = std::make_unique<WindowFrame>(m_context);
    m_geometry = std::make_unique<WindowGeometry>(*this);
    new LiveView(m_context); // owned by the window, as is the drop target
    new DropTarget(m_context);

    connect(m_controls.mnuEnd, &QAction::triggered, this, [this] { close_exe(); });
    connect(m_controls.mnuOpt, &QAction::triggered, this, [this] { open_options(); });
    connect(m_controls.Command2, &QPushButton::clicked, this, [this] { open_trial_window(); });
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
    AppState& s = m_state;
    MainControls& c = m_controls;

    // 1-4: the program's own files live in the start folder.
    s.ini_path = own_file_path(s.start_dir, QStringLiteral("ravfiler.ini"));
    move(twips_to_px(300), twips_to_px(3735));
    s.conf_path = own_file_path(s.start_dir, QStringLiteral("ravuconf.rav"));
    s.tmp_path = own_file_path(s.start_dir, QStringLiteral("ravutmp.rav"));

    // 5: wide entries of the play list scroll sideways.
    c.List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // 6-9: the "simple" mode.
    s.play_switch.clear();
    s.end_switch.clear();
    s.exit_switch.clear();
    s.icon_switch.clear();
    c.Text1->setPlainText(QString());
    s.target_file.clear();
    s.play_list.list_count = 0;
    s.play_list.list_capacity = kListCapacity;
    s.select_mode = QStringLiteral("simple");
    c.Label6->setText(s.select_mode);
    for (QPushButton* b : {c.Command5, c.Command6, c.Command4, c.Command7})
        b->setEnabled(false);

    // 10
    s.current_folder = c.Dir1->path();

    // 11-13
    const QString save_position = read_setting(s.ini_path, QStringLiteral("SvPosit"));
    s.save_position = save_position == kMissing ? QStringLiteral("0") : save_position;
    const QString player = read_setting(s.ini_path, QStringLiteral("Ravu"));
    if (player == kMissing) {
        s.player_path = QStringLiteral("ravu.exe");
        open_options();
    } else {
        s.player_path = player;
    }
    const QString editor = read_setting(s.ini_path, QStringLiteral("Edit"));
    if (editor == kMissing) {
        s.editor_path = default_editor_path(this_desktop_system());
        open_options();
    } else {
        s.editor_path = editor;
    }

    // 14
    restore_last_folder();

    // 15-16
    c.Label1->setText(QStringLiteral("ravu本体のパス：") + s.player_path);
    c.Label2->setText(QStringLiteral("エディタのパス：") + s.editor_path);
    show_target(c, s.target_file);
    c.Label4->setText(QStringLiteral("実行時ディレクトリ：") + s.start_dir);
    c.panels[2]->setText(QStringLiteral("実行時ディレクトリ：") + visible_controls(s.start_dir));

    // 17
    for (int i = s.play_list.list_count; i < s.play_list.list_capacity; ++i)
        s.play_list.list_entries[i].clear();
    s.play_list.list_count = 0;

    // 18
    setWindowTitle(version_caption());

    // 19
    m_switch_boxes->apply_stored();

    // 20
    m_geometry->restore(m_state);
}

void MainWindow::restore_last_folder()
{
    MainControls& c = m_controls;
    const QString last = read_setting(m_state.ini_path, QStringLiteral("Lastpath"));
    if (last == kMissing)
        return;
    const QString remembered = c.Dir1->path();
    if (!c.Dir1->set_path(last)) {
        m_context.dialogs.message(this, QStringLiteral("Lastpath was no there."));
        c.Dir1->set_path(remembered);
        return;
    }
    c.File1->set_path(c.Dir1->path());
    c.Drive1->set_drive_from_path(c.Dir1->path());
}

double MainWindow::top_twips() const { return px_to_twips(frameGeometry().top()); }

double MainWindow::left_twips() const { return px_to_twips(frameGeometry().left()); }

double MainWindow::outer_width_twips() const { return px_to_twips(frameGeometry().width()); }

double MainWindow::outer_height_twips() const { return px_to_twips(frameGeometry().height()); }

void MainWindow::close_exe()
{
    if (m_closed)
        return;
    m_closed = true;
    m_context.closing = true;
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
        store_setting(m_state, m_context.dialogs, this, key, value);
    };
    store(QStringLiteral("Lastpath"), m_controls.Dir1->path());
    m_geometry->save(store);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    close_exe();
    event->accept();
}

void MainWindow::open_options()
{
    OptionsDialog dialog(m_state, m_controls, m_context.dialogs, isVisible() ? this : nullptr);
    dialog.exec();
}

void MainWindow::open_trial_window()
{
    if (!m_trial_window)
        m_trial_window = new TrialWindow(m_context);
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
