#include "main_window_layout.h"

#include "client_area.h"
#include "control_placement.h"
#include "drive_list.h"
#include "file_list.h"
#include "folder_list.h"
#include "fonts.h"
#include "main_controls.h"
#include "play_list_view.h"
#include "status_panel.h"
#include "tune_text_field.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace {

// The drive list to assistive technology: named for what it is, with the shown drive as its
// value (a combo box here would otherwise take its current text as its name).
class DriveListAccessible : public QAccessibleWidget {
public:
    explicit DriveListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* drive_list_accessible(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("DriveList") && object && object->isWidgetType())
        return new DriveListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

template <typename T>
T* named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

template <typename T>
T* captioned(QWidget* parent, const char* name, const QString& caption, double left, double top, double width,
             double height)
{
    auto* control = place_control<T>(parent, name, left, top, width, height);
    control->setText(caption);
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, double left, double top,
                    double width, double height)
{
    auto* b = captioned<QPushButton>(parent, name, caption, left, top, width, height);
    // Enter presses the focused button too (Space always does); outside a dialog this makes
    // no button the default one.
    b->setAutoDefault(true);
    return b;
}

QLabel* hidden_label(QWidget* parent, const char* name, double left, double top, double width, double height)
{
    auto* l = place_control<QLabel>(parent, name, left, top, width, height);
    l->setText(QString::fromLatin1(name));
    l->setVisible(false);
    return l;
}

} // namespace

void build_main_controls(QMainWindow& window, MainControls& c)
{
    // Before the drive list exists: an interface, once made for an object, is kept.
    static const bool drive_list_accessible_installed =
        (QAccessible::installFactory(drive_list_accessible), true);
    Q_UNUSED(drive_list_accessible_installed);
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowTitle(QStringLiteral("Ravu Filer"));
    window.setFont(proportional_japanese_font());

    auto* client = named(new ClientArea(&window), "client");
    window.setCentralWidget(client);
    c.client = client;

    // Created in tab order, so the default focus chain is the designed one.
    c.Drive1 = place_control<DriveList>(client, "Drive1", 60, 60, 2385, 300);
    c.Dir1 = place_control<FolderList>(client, "Dir1", 60, 420, 2385, 2190);
    c.File1 = place_control<FileList>(client, "File1", 60, 2700, 2385, 4050);
    c.Text1 = place_control<QPlainTextEdit>(client, "Text1", 4200, 360, 6315, 6435);
    make_tune_text_field(*c.Text1);
    // The preview shows the file; an edit there would be lost at the next selection, so it
    // takes none. Its text can still be selected and copied by mouse and keyboard.
    c.Text1->setReadOnly(true);
    c.Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c.Command1 = button(client, "Command1", QStringLiteral("ravu起動"), 2580, 240, 1500, 360);
    c.Label1 = hidden_label(client, "Label1", 120, 6000, 4995, 195);
    c.Command3 = button(client, "Command3", QStringLiteral("編集"), 2580, 660, 1500, 300);
    c.Label2 = hidden_label(client, "Label2", 120, 6240, 4995, 195);
    c.Check1 = captioned<QCheckBox>(client, "Check1", QStringLiteral("即演奏"), 8400, 0, 1500, 200);
    c.Check2 = captioned<QCheckBox>(client, "Check2", QStringLiteral("演奏後終了"), 9240, 0, 1500, 200);
    c.Label3 = hidden_label(client, "Label3", 5640, 4320, 6000, 405);
    c.Label4 = hidden_label(client, "Label4", 6360, 3240, 5325, 300);
    c.Check3 = captioned<QCheckBox>(client, "Check3", QStringLiteral("他ravu強制終了"), 5280, 0, 1800, 200);
    c.Command5 = button(client, "Command5", QStringLiteral("リスト選択"), 2580, 1440, 1500, 250);
    c.Command6 = button(client, "Command6", QStringLiteral("リストクリア"), 2580, 1740, 1500, 250);

    c.Option1_group = named(new QButtonGroup(client), "Option1");
    const struct {
        const char* name;
        const char* caption;
        double left;
        double width;
    } options[] = {
        {"Option1_0", "単曲", 2630, 1095},
        {"Option1_1", "リスト", 3360, 1200},
        {"Option1_2", "アルバム", 4200, 1200},
    };
    for (int i = 0; i < 3; ++i) {
        auto* option = captioned<QRadioButton>(client, options[i].name, QString::fromUtf8(options[i].caption),
                                               options[i].left, 0, options[i].width, 180);
        c.Option1_group->addButton(option, i);
        c.Option1[i] = option;
    }
    // The option group is one Tab stop, the selected option, and the arrow keys move within
    // it. Left to itself every option is a stop until one has had the focus, then the one
    // focused last: a Shift+Tab into the row stopped at アルバム whatever was selected.
    QObject::connect(
        c.Option1_group, &QButtonGroup::buttonToggled, c.Option1_group, [group = c.Option1_group] {
            for (QAbstractButton* option : group->buttons()) {
                const Qt::FocusPolicy policy = option->focusPolicy();
                option->setFocusPolicy(option->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                           : Qt::FocusPolicy(policy & ~Qt::TabFocus));
            }
        });
    c.Option1[0]->setChecked(true);

    c.Label6 = hidden_label(client, "Label6", 120, 5520, 1215, 255);
    c.Command4 = button(client, "Command4", QStringLiteral("alb保存"), 2580, 2040, 700, 250);
    c.Command7 = button(client, "Command7", QStringLiteral("alb読込"), 3360, 2040, 700, 250);
    c.Check4 = captioned<QCheckBox>(client, "Check4", QStringLiteral("アイコン化起動"), 6840, 0, 1800, 200);
    c.List1 = place_control<PlayListView>(client, "List1", 2580, 3000, 1500, 3660);
    c.Command2 = button(client, "Command2", QStringLiteral("試奏ウィンドウ"), 2580, 1020, 1500, 360);

    c.StatusBar1 = place_control<QStatusBar>(client, "StatusBar1", 0, 6915, 10725, 300);
    c.StatusBar1->setSizeGripEnabled(false);
    const struct {
        const char* name;
        double width;
        int stretch;
    } panels[] = {
        {"StatusBar1_Panel1", 2000, 1},
        {"StatusBar1_Panel2", 1000, 0},
        {"StatusBar1_Panel3", 500, 1},
    };
    for (int i = 0; i < 3; ++i) {
        auto* panel = named(new StatusPanel(c.StatusBar1), panels[i].name);
        panel->setMinimumWidth(twips_to_px(panels[i].width));
        panel->set_sized_to_text(panels[i].stretch == 0);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        c.StatusBar1->addWidget(panel, panels[i].stretch);
        c.panels[i] = panel;
    }
    client->set_status_bar(c.StatusBar1);

    c.Command8 = button(client, "Command8", QStringLiteral("変更"), 2580, 2400, 700, 250);
    c.Command9 = button(client, "Command9", QStringLiteral("削除"), 3360, 2400, 700, 250);
    c.Command10 = button(client, "Command10", QStringLiteral("開く"), 2580, 2700, 700, 250);
    c.Command11 = button(client, "Command11", QStringLiteral("更新"), 3360, 2700, 700, 250);

    // What assistive technology calls the controls without a caption of their own.
    const struct {
        QWidget* control;
        const char* name;
    } unnamed[] = {
        {c.Drive1, "ドライブ一覧"}, {c.Dir1, "フォルダ一覧"}, {c.File1, "ファイル一覧"},
        {c.Text1, "プレビュー"},    {c.List1, "演奏リスト"},  {c.StatusBar1, "ステータスバー"},
    };
    for (const auto& [control, name] : unnamed)
        control->setAccessibleName(QString::fromUtf8(name));
    c.Drive1->view()->setAccessibleName(c.Drive1->accessibleName());

    // The top row's option buttons and check boxes stay above the lists they overlap.
    for (QWidget* top_row : std::initializer_list<QWidget*>{c.Check1, c.Check2, c.Check3, c.Check4,
                                                            c.Option1[0], c.Option1[1], c.Option1[2]})
        top_row->raise();

    // Menus: access keys, and Ctrl+L for フォルダを開く.
    QMenuBar* bar = window.menuBar();
    c.mnuFile = named(bar->addMenu(QStringLiteral("ファイル(&F)")), "mnuFile");
    c.mnuOpenFolder = named(c.mnuFile->addAction(QStringLiteral("フォルダを開く(&O)...")), "mnuOpenFolder");
    c.mnuOpenFolder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    c.mnuRecent = named(c.mnuFile->addMenu(QStringLiteral("最近使ったフォルダ(&R)")), "mnuRecent");
    c.mnuFile->addSeparator();
    c.mnuEnd = named(c.mnuFile->addAction(QStringLiteral("終了(&X)")), "mnuEnd");
    c.mnuCustom = named(bar->addMenu(QStringLiteral("設定(&C)")), "mnuCustom");
    c.mnuOpt = named(c.mnuCustom->addAction(QStringLiteral("オプション(&E)")), "mnuOpt");
    c.mnuHelp = named(bar->addMenu(QStringLiteral("ヘルプ(&H)")), "mnuHelp");
    c.mnuMftxt = named(c.mnuHelp->addAction(QStringLiteral("ravfiler.txt表示(&M)")), "mnuMftxt");
    c.mnuVersion = named(c.mnuHelp->addAction(QStringLiteral("バージョン情報(&A)")), "mnuVersion");

    fit_captions(window);

    // Designed client size; the menu bar comes on top of it.
    window.resize(twips_to_px(kMainClientWidth), twips_to_px(kMainClientHeight) + bar->sizeHint().height());
}
