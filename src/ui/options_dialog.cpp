#include "options_dialog.h"

#include "app_state.h"
#include "control_placement.h"
#include "dialogs.h"
#include "editor_defaults.h"
#include "fonts.h"
#include "main_controls.h"
#include "messages.h"
#include "settings.h"
#include "settings_keys.h"
#include "settings_writes.h"
#include "window_messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString field_value(const QString& stored) { return stored == kMissing ? QString() : stored; }

// Programs carry ".exe" on Windows; elsewhere any file may be one, and the dialog's first
// filter lists the files that may be run. Each text: by permission, by ".exe".
const QString kPathHint[] = {QStringLiteral("フルパス(ファイル名迄)で指定してください"),
                             QStringLiteral("フルパス(\".exe\"迄)で指定してください")};
const QString kPlayerFilter[] = {QStringLiteral("Ravu本体 (*)|*|すべてのファイル (*)|*"),
                                 QStringLiteral("Ravu本体 (*.exe)|*.exe|すべてのファイル (*)|*")};
const QString kEditorFilter[] = {QStringLiteral("エディタ (*)|*|すべてのファイル (*)|*"),
                                 QStringLiteral("エディタ (*.exe)|*.exe|すべてのファイル (*)|*")};

} // namespace

OptionsDialog::OptionsDialog(AppState& state, MainControls& main_controls, Dialogs& dialogs,
                             DesktopSystem system, QWidget* parent)
    : QDialog(parent), m_state(state), m_main(main_controls), m_dialogs(dialogs),
      m_programs_by_permission(programs_marked_by_permission(system))
{
    const int by_exe = m_programs_by_permission ? 0 : 1;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ravu Filer 設定"));
    setFont(proportional_japanese_font());
    make_fixed_dialog(*this, 6375, 1440);

    // Created in tab order (the labels take no focus).
    Text1 = place_control<QLineEdit>(this, "Text1", 960, 120, 4215, 300);
    Text2 = place_control<QLineEdit>(this, "Text2", 960, 480, 4215, 300);
    Label1 = place_control<QLabel>(this, "Label1", 120, 120, 975, 255);
    Label1->setText(QStringLiteral("ravu本体"));
    Label2 = place_control<QLabel>(this, "Label2", 120, 480, 975, 255);
    Label2->setText(QStringLiteral("エディタ"));
    Command1 = place_control<QPushButton>(this, "Command1", 3480, 960, 1335, 375);
    Command1->setText(QStringLiteral("OK"));
    Command2 = place_control<QPushButton>(this, "Command2", 4920, 960, 1335, 375);
    Command2->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    Label3 = place_control<QLabel>(this, "Label3", 120, 800, 3375, 255);
    Label3->setText(kPathHint[by_exe]);
    Command3 = place_control<QPushButton>(this, "Command3", 5280, 120, 975, 300);
    Command3->setText(QStringLiteral("参照"));
    Command4 = place_control<QPushButton>(this, "Command4", 5280, 480, 975, 300);
    Command4->setText(QStringLiteral("参照"));
    Check1 = place_control<QCheckBox>(this, "Check1", 120, 1080, 3015, 180);
    Check1->setText(QStringLiteral("前回終了時のウインドウを記憶する"));
    Command1->setDefault(true);
    // The fields are named after their labels for assistive technology.
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Text1->setAccessibleName(QStringLiteral("ravu本体のパス"));
    Text2->setAccessibleName(QStringLiteral("エディタのパス"));
    fit_captions(*this);

    // The fields show what the settings file holds, not the state.
    Check1->setChecked(position_saved(m_state.save_position));
    Text1->setText(field_value(read_setting(m_state.ini_path, kPlayerKey)));
    Text2->setText(field_value(read_setting(m_state.ini_path, kEditorKey)));

    connect(Command3, &QPushButton::clicked, this, [this, by_exe] {
        browse(Text1, QStringLiteral("Ravu本体のパス"), kPlayerFilter[by_exe], m_last_player_name);
    });
    connect(Command4, &QPushButton::clicked, this, [this, by_exe] {
        browse(Text2, QStringLiteral("エディタ本体のパス"), kEditorFilter[by_exe], m_last_editor_name);
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::browse(QLineEdit* field, const QString& title, const QString& filter, QString& last_name)
{
    // An existing program is the normal answer, so the open form: it asks nothing about it.
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.initial_name = last_name;
    request.programs_first = m_programs_by_permission;
    const std::optional<QString> chosen = m_dialogs.open_file(this, request);
    if (!chosen) {
        m_dialogs.message(this, kNoFileChosenMessage);
        return;
    }
    last_name = *chosen;
    field->setText(*chosen);
}

void OptionsDialog::apply()
{
    store_setting(m_state, m_dialogs, this, kPlayerKey, Text1->text());
    m_state.player_path = Text1->text();
    store_setting(m_state, m_dialogs, this, kEditorKey, Text2->text());
    m_state.editor_path = Text2->text();
    m_main.Label1->setText(kPlayerPathCaption.arg(m_state.player_path));
    m_main.Label2->setText(kEditorPathCaption.arg(m_state.editor_path));
    m_state.save_position = save_position_value(Check1->isChecked());
    store_setting(m_state, m_dialogs, this, kSavePositionKey, m_state.save_position);
}
