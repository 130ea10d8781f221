#include "mode_navigation.h"

#include "access_faults.h"
#include "app_state.h"
#include "dialogs.h"
#include "drive_list.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "selection_mode.h"
#include "visible_text.h"
#include "window_context.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kDriveUnavailable = QStringLiteral("選択したドライブは現在使えません。");

QString folder_fault_text(const QString& folder)
{
    QString reason;
    switch (folder_fault(folder)) {
    case FolderFault::Missing:
        reason = QStringLiteral("フォルダが見つかりません。");
        break;
    case FolderFault::NotAFolder:
        reason = QStringLiteral("フォルダではありません。");
        break;
    case FolderFault::NoPermission:
        reason = QStringLiteral("フォルダを開く権限がありません。");
        break;
    case FolderFault::NameTooLong:
        reason = QStringLiteral("パスが長すぎます。");
        break;
    case FolderFault::Other:
        reason = QStringLiteral("フォルダを読み取れません。");
        break;
    }
    return QStringLiteral("フォルダを開けませんでした。\r") + visible_controls(folder) + QLatin1Char('\r')
           + reason;
}

} // namespace

ModeNavigation::ModeNavigation(WindowContext& context) : m_context(context)
{
    MainControls& c = m_context.controls;
    QObject::connect(c.Dir1, &FolderList::path_changed, c.Dir1, [this] { folder_rule(); });
    QObject::connect(c.Dir1, &FolderList::open_failed, c.Dir1,
                     [this](const QString& folder) { folder_open_failed(folder); });
    QObject::connect(c.Drive1, &DriveList::drive_changed, c.Drive1, [this] { drive_rule(); });
    // idClicked also comes for a click on the option already selected.
    QObject::connect(c.Option1_group, &QButtonGroup::idClicked, c.Option1_group,
                     [this](int id) { change_mode(id); });
    QObject::connect(c.File1, &FileList::file_activated, c.File1, [this] { on_file_double_click(); });
    QObject::connect(c.Command6, &QPushButton::clicked, c.Command6, [this] { clear_list_asked(); });

    // The folder list stays within the drive the drive list shows.
    DriveList* drives = c.Drive1;
    c.Dir1->set_drive_root_lookup([drives](const QString& folder) { return drives->drive_of(folder); });
}

bool ModeNavigation::confirmed(const QString& question)
{
    return m_context.dialogs.message(&m_context.window, question, MessageButtons::YesNo, MessageIcon::Warning)
           == MessageAnswer::Yes;
}

void ModeNavigation::select_option(int index)
{
    MainControls& c = m_context.controls;
    if (index >= 0 && index < static_cast<int>(c.Option1.size()))
        c.Option1[index]->setChecked(true);
    change_mode(index);
}

void ModeNavigation::change_mode(int index)
{
    AppState& s = m_context.state;
    MainControls& c = m_context.controls;

    if (const auto keep = option_to_keep(s.select_mode, index, s.play_list.in_use())) {
        if (!confirmed(kListInvalidQuestion)) {
            select_option(*keep);
            return;
        }
        m_context.window.clear_list();
    }

    if (const auto settings = settings_for_option(index)) {
        s.select_mode = settings->mode;
        apply_settings(*settings);
    } else {
        m_context.dialogs.message(&m_context.window, kInvalidSelection);
    }

    c.Label6->setText(s.select_mode);
    s.target_file.clear();
    show_target(c, s.target_file);
}

void ModeNavigation::apply_settings(const ModeSettings& settings)
{
    MainControls& c = m_context.controls;
    c.File1->set_pattern(settings.file_pattern);
    c.Command1->setText(settings.launch_caption);
    c.Command5->setEnabled(settings.add_enabled);
    c.Command6->setEnabled(settings.clear_enabled);
    c.Command4->setEnabled(settings.save_enabled);
    c.Command7->setEnabled(settings.load_enabled);
    c.Check1->setEnabled(settings.play_at_once_enabled);
    c.Check2->setEnabled(settings.quit_after_enabled);
}

void ModeNavigation::on_file_double_click()
{
    const auto settings = settings_for_mode(m_context.state.select_mode);
    if (!settings) {
        m_context.dialogs.message(&m_context.window, kAbnormalState);
        return;
    }
    switch (settings->double_click) {
    case DoubleClickAction::PlayFile:
        m_context.window.exec_ravu_api();
        break;
    case DoubleClickAction::AddToList:
        m_context.window.add_list();
        break;
    case DoubleClickAction::LoadAlbum:
        m_context.window.load_list();
        break;
    }
}

void ModeNavigation::clear_list_asked()
{
    if (m_context.state.play_list.in_use() && confirmed(kListInvalidQuestion))
        m_context.window.clear_list();
}

void ModeNavigation::folder_rule()
{
    AppState& s = m_context.state;
    const QString folder = m_context.controls.Dir1->path();
    const FolderRuleResult rule =
        folder_rule_decision(s.select_mode, folder, s.current_folder, s.play_list.in_use());
    switch (rule.decision) {
    case FolderDecision::Accept:
        accept_folder(folder);
        break;
    case FolderDecision::Ask:
        if (confirmed(rule.question)) {
            m_context.window.clear_list();
            accept_folder(folder);
        } else {
            revert_folder();
        }
        break;
    case FolderDecision::Abnormal:
        m_context.dialogs.message(&m_context.window, rule.question);
        accept_folder(folder);
        break;
    }
}

void ModeNavigation::accept_folder(const QString& folder)
{
    MainControls& c = m_context.controls;
    c.File1->set_path(folder);
    m_context.state.current_folder = folder;
    c.Drive1->remember_folder(folder);
}

// Back to the accepted folder; its own change notification finds it accepted already.
// When that moves the drive list to another drive, the drive rule runs for it.
void ModeNavigation::revert_folder()
{
    MainControls& c = m_context.controls;
    c.Dir1->set_path(m_context.state.current_folder);
    c.Drive1->set_drive_from_path(c.Dir1->path());
}

void ModeNavigation::drive_rule()
{
    AppState& s = m_context.state;
    MainControls& c = m_context.controls;
    s.current_folder = c.Dir1->path();
    const auto folder = c.Drive1->current_folder_of(c.Drive1->drive());
    if (folder && c.Dir1->set_path(*folder))
        return;
    m_context.dialogs.message(&m_context.window, kDriveUnavailable);
    c.Dir1->set_path(s.current_folder);
}

void ModeNavigation::folder_open_failed(const QString& folder)
{
    MainControls& c = m_context.controls;
    m_context.dialogs.message(&m_context.window, folder_fault_text(folder));
    // A folder deleted since the lists were read leaves them.
    c.Dir1->refresh();
    c.File1->refresh();
}
