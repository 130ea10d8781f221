#include "trial_window.h"

#include "app_state.h"
#include "command_lines.h"
#include "control_placement.h"
#include "dialogs.h"
#include "editor_defaults.h"
#include "fonts.h"
#include "layout_rules.h"
#include "messages.h"
#include "player_start.h"
#include "system_services.h"
#include "trial_tune.h"
#include "tune_text_field.h"
#include "window_messages.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Assistive technology sees the trial window as the top-level frame it is; a plain widget
// would be announced as a filler.
QAccessibleInterface* trial_window_accessible(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("TrialWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// Designed client area in twips.
constexpr double kTrialClientWidth = 6465;
constexpr double kTrialClientHeight = 4890;

} // namespace

TrialWindow::TrialWindow(AppState& state, Dialogs& dialogs, SystemServices& system, QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs), m_system(system)
{
    static const bool accessible_installed = (QAccessible::installFactory(trial_window_accessible), true);
    Q_UNUSED(accessible_installed);
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("試奏ウィンドウ（Ravu Filer）"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(proportional_japanese_font());

    // Created in tab order, so Text1 has the focus when the window opens.
    Text1 = place_control<QPlainTextEdit>(this, "Text1", 120, 600, 6255, 4215);
    make_tune_text_field(*Text1);
    Command1 = place_control<QPushButton>(this, "Command1", 120, 120, 1335, 375);
    Command1->setText(QStringLiteral("試奏"));
    Command2 = place_control<QPushButton>(this, "Command2", 4620, 120, 1755, 375);
    Command2->setText(QStringLiteral("定義ファイル編集"));
    setFocusProxy(Text1);
    // Tab leaves the text for the buttons (no key types a tab character here: blanks
    // separate tune text as well, and pasted tabs stay); Enter presses a focused button.
    Text1->setAccessibleName(QStringLiteral("試奏テキスト"));
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    fit_captions(*this);

    connect(Command1, &QPushButton::clicked, this, [this] { exec_ravu_tmp(); });
    connect(Command2, &QPushButton::clicked, this, [this] { edit_conf(); });

    resize(twips_to_px(kTrialClientWidth), twips_to_px(kTrialClientHeight));
}

void TrialWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const auto twips = [](int px) { return static_cast<float>(px_to_twips(px)); };
    const QRect text = Text1->geometry();
    // Horizontal edges follow the outer width, borders included; the height the client area.
    const TrialLayout next = trial_layout_rule({.command2_left = twips(Command2->x()),
                                                .text1_left = twips(text.left()),
                                                .text1_top = twips(text.top()),
                                                .text1_width = twips(text.width()),
                                                .text1_height = twips(text.height())},
                                               twips(frameGeometry().width()), twips(height()));
    Command2->move(twips_to_px(next.command2_left), Command2->y());
    Text1->resize(twips_to_px(next.text1_width), twips_to_px(next.text1_height));
}

void TrialWindow::edit_conf()
{
    AppState& s = m_state;
    if (!definition_file_exists(s.conf_path)) {
        m_dialogs.message(this, kDefinitionCreatedMessage);
        s.conf_text = definition_template();
        // A file that cannot be made is left to show itself in the editor.
        create_definition_file(s.conf_path);
    }
    if (!m_system.start_task(
            editor_command(editor_in_use(s.editor_path, m_system.default_editor()), s.conf_path),
            WindowStyle::NoActivate))
        m_dialogs.message(this, kConfEditorFailureMessage.arg(s.editor_path, s.conf_path));
}

void TrialWindow::exec_ravu_tmp()
{
    AppState& s = m_state;
    if (!definition_file_exists(s.conf_path)) {
        m_dialogs.message(this, kMissingDefinitionMessage.arg(s.conf_path));
        return;
    }
    const TrialTuneWrite written =
        write_trial_tune(s.conf_path, s.tmp_path, trial_text_with_crlf(Text1->toPlainText()));
    switch (written.status) {
    case TrialTuneWrite::Status::ReadFailed:
        m_dialogs.message(this, kDefinitionReadFailureMessage.arg(s.conf_path, written.detail));
        return;
    case TrialTuneWrite::Status::Refused:
        m_dialogs.message(this, kRefusedCharacterMessage.arg(written.detail, code_points(written.detail)));
        return;
    case TrialTuneWrite::Status::WriteFailed:
        s.conf_text = written.conf_text;
        m_dialogs.message(this, kTrialWriteFailureMessage.arg(s.tmp_path));
        return;
    case TrialTuneWrite::Status::Written:
        s.conf_text = written.conf_text;
        break;
    }
    start_player(s, m_system, trial_command(s.player_path, s.tmp_path), WindowStyle::NoActivate,
                 {m_dialogs, this});
}
