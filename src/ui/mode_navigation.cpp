#include "mode_navigation.h"

#include "app_state.h"
#include "drive_list.h"
#include "file_list.h"
#include "folder_list.h"
#include "launcher.h"
#include "main_controls.h"
#include "messages.h"
#include "play_list_panel.h"
#include "selection_mode.h"
#include "system_services.h"
#include "window_messages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

ModeNavigation::ModeNavigation(AppState& state, const MainControls& controls, PlayListPanel& play_list,
                               Launcher& launcher, SystemServices& system, WindowDialogs dialogs)
    : m_state(state), m_controls(controls), m_target(target_display(controls)), m_play_list(play_list),
      m_launcher(launcher), m_system(system), m_dialogs(dialogs)
{
    const MainControls& c = m_controls;
    QObject::connect(c.Dir1, &FolderList::path_changed, c.Dir1, [this] { folder_rule(); });
    QObject::connect(c.Dir1, &FolderList::open_failed, c.Dir1,
                     [this](const QString& folder) { folder_open_failed(folder); });
    QObject::connect(c.Drive1, &DriveList::drive_changed, c.Drive1, [this] { drive_rule(); });
    // idClicked also comes for a click on the option already selected.
    QObject::connect(c.Option1_group, &QButtonGroup::idClicked, c.Option1_group,
                     [this](int id) { change_mode(id); });
    QObject::connect(c.File1, &FileList::file_activated, c.File1, [this] { on_file_double_click(); });

    // The folder list stays within the drive the drive list shows.
    c.Dir1->set_drive_root_lookup(
        [drives = c.Drive1](const QString& folder) { return drives->drive_of(folder); });
}

void ModeNavigation::select_option(int index)
{
    if (index >= 0 && index < static_cast<int>(m_controls.Option1.size()))
        m_controls.Option1[index]->setChecked(true);
    change_mode(index);
}

void ModeNavigation::change_mode(int index)
{
    if (const auto keep = option_to_keep(m_state.select_mode, index, m_state.play_list.in_use())) {
        if (!m_dialogs.confirmed(kListInvalidQuestion)) {
            select_option(*keep);
            return;
        }
        m_play_list.clear_list();
    }

    const MainControls& c = m_controls;
    if (const auto settings = settings_for_option(index)) {
        m_state.select_mode = settings->mode;
        c.File1->set_pattern(settings->file_pattern);
        c.Command1->setText(settings->launch_caption);
        c.Command5->setEnabled(settings->add_enabled);
        c.Command6->setEnabled(settings->clear_enabled);
        c.Command4->setEnabled(settings->save_enabled);
        c.Command7->setEnabled(settings->load_enabled);
        c.Check1->setEnabled(settings->play_at_once_enabled);
        c.Check2->setEnabled(settings->quit_after_enabled);
    } else {
        m_dialogs.tell(kInvalidSelection);
    }

    c.Label6->setText(m_state.select_mode);
    m_state.target_file.clear();
    m_target.show(m_state.target_file);
}

void ModeNavigation::on_file_double_click()
{
    const auto settings = settings_for_mode(m_state.select_mode);
    if (!settings) {
        m_dialogs.tell(kAbnormalState);
        return;
    }
    switch (settings->double_click) {
    case DoubleClickAction::PlayFile:
        m_launcher.exec_ravu_api();
        break;
    case DoubleClickAction::AddToList:
        m_play_list.add_list();
        break;
    case DoubleClickAction::LoadAlbum:
        m_play_list.load_list();
        break;
    }
}

void ModeNavigation::folder_rule()
{
    const QString folder = m_controls.Dir1->path();
    const FolderRuleResult rule =
        folder_rule_decision(m_state.select_mode, folder, m_state.current_folder, m_state.play_list.in_use());
    switch (rule.decision) {
    case FolderDecision::Accept:
        accept_folder(folder);
        break;
    case FolderDecision::Ask:
        if (m_dialogs.confirmed(rule.question)) {
            m_play_list.clear_list();
            accept_folder(folder);
        } else {
            revert_folder();
        }
        break;
    case FolderDecision::Abnormal:
        m_dialogs.tell(rule.question);
        accept_folder(folder);
        break;
    }
}

void ModeNavigation::accept_folder(const QString& folder)
{
    m_controls.File1->set_path(folder);
    m_state.current_folder = folder;
    m_controls.Drive1->remember_folder(folder);
}

// Back to the accepted folder; its own change notification finds it accepted already.
// When that moves the drive list to another drive, the drive rule runs for it.
void ModeNavigation::revert_folder()
{
    m_controls.Dir1->set_path(m_state.current_folder);
    m_controls.Drive1->set_drive_from_path(m_controls.Dir1->path());
}

void ModeNavigation::drive_rule()
{
    const MainControls& c = m_controls;
    m_state.current_folder = c.Dir1->path();
    const auto folder = c.Drive1->current_folder_of(c.Drive1->drive());
    if (folder && c.Dir1->set_path(*folder))
        return;
    m_dialogs.tell(kDriveUnavailableMessage);
    c.Dir1->set_path(m_state.current_folder);
}

void ModeNavigation::folder_open_failed(const QString& folder)
{
    m_dialogs.tell(folder_fault_message(folder, m_system.folder_fault(folder)));
    // A folder deleted since the lists were read leaves them.
    m_controls.Dir1->refresh();
    m_controls.File1->refresh();
}

void ModeNavigation::leave_gone_folder(const QString& folder)
{
    const MainControls& c = m_controls;
    if (m_state.play_list.in_use())
        m_play_list.clear_list();
    // The folder rule accepts, with no play list in use.
    for (QString parent = QFileInfo(QDir::fromNativeSeparators(folder)).path();;) {
        if (c.Dir1->set_path(parent))
            break;
        const QString above = QFileInfo(parent).path();
        if (above == parent)
            return;
        parent = above;
    }
    c.Drive1->set_drive_from_path(c.Dir1->path());
}
