// The main window's resize rule, the click on its free surface and its menus.

#include "client_area.h"
#include "editor_defaults.h"
#include "file_list.h"
#include "layout_rules.h"
#include "main_controls.h"
#include "modal_robot.h"
#include "started_window.h"
#include "twips.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

namespace {

struct Sizes {
    int text1_width, text1_height, list1_height, file1_height;
    bool operator==(const Sizes&) const = default;
};

Sizes sizes_of(StartedWindow& f)
{
    const MainControls& c = f.window->controls();
    return {c.Text1->width(), c.Text1->height(), c.List1->height(), c.File1->height()};
}

char* describe(const Sizes& s)
{
    return QTest::toString(QStringLiteral("Text1 %1x%2, List1 h %3, File1 h %4")
                               .arg(s.text1_width)
                               .arg(s.text1_height)
                               .arg(s.list1_height)
                               .arg(s.file1_height));
}

// Sizes the window so that its outer width and its client height (below the menu bar,
// status bar included) are the given pixels.
void size_window(StartedWindow& f, int outer_width, int client_height)
{
    MainWindow& w = *f.window;
    const int frame_extra = w.frameGeometry().width() - w.width();
    const int above_client = w.height() - w.controls().client->height();
    w.resize(outer_width - frame_extra, client_height + above_client);
}

} // namespace

namespace QTest {
template <>
char* toString(const Sizes& s)
{
    return describe(s);
}
} // namespace QTest

class TestResize : public QObject {
    Q_OBJECT
private slots:
    void rule_arithmetic();
    void designed_size();
    void narrow_window();
    void low_window();
    void minimise_and_restore();
    void free_surface_click();
    void menus();
    void options_menu_opens_dialog();
    void help_text_menu();
    void version_menu();
};

void TestResize::rule_arithmetic()
{
    const MainStretch design{4200, 360, 6315, 6435, 3000, 3660, 2700, 4050};
    const MainStretch at_design = main_resize_rule(design, 10725, 7215);
    QCOMPARE(at_design.text1_width, 10725.0f - 4400);
    QCOMPARE(at_design.text1_height, 7215.0f - 710);
    QCOMPARE(at_design.list1_height, 7215.0f - 3350);
    QCOMPARE(at_design.file1_height, 7215.0f - 3050);

    // Each size stays when its own value is not above 0.
    const MainStretch narrow = main_resize_rule(at_design, 4400, 3350);
    QCOMPARE(narrow.text1_width, at_design.text1_width);
    QCOMPARE(narrow.list1_height, at_design.list1_height);
    QCOMPARE(narrow.text1_height, 3350.0f - 710);
    QCOMPARE(narrow.file1_height, 3350.0f - 3050);
    const MainStretch minimised = main_resize_rule(narrow, 0, 0);
    QCOMPARE(minimised.text1_width, narrow.text1_width);
    QCOMPARE(minimised.text1_height, narrow.text1_height);
    QCOMPARE(minimised.list1_height, narrow.list1_height);
    QCOMPARE(minimised.file1_height, narrow.file1_height);
    // Positions never move.
    QCOMPARE(minimised.text1_left, 4200.0f);
    QCOMPARE(minimised.file1_top, 2700.0f);
}

void TestResize::designed_size()
{
    StartedWindow f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    // Shown at its designed size the rule has already run.
    const double outer = px_to_twips(f.window->frameGeometry().width());
    const double client = px_to_twips(f.window->controls().client->height());
    QCOMPARE(sizes_of(f), (Sizes{twips_to_px(outer - 4400), twips_to_px(client - 710),
                                 twips_to_px(client - 3350), twips_to_px(client - 3050)}));

    // Exactly the designed client area: 10725 x 7215 twips.
    size_window(f, 715, 481);
    QTRY_COMPARE(f.window->controls().client->height(), 481);
    QCOMPARE(f.window->frameGeometry().width(), 715);
    QCOMPARE(sizes_of(f), (Sizes{422, 434, 258, 278}));

    // Larger: 12000 x 9000 twips.
    size_window(f, 800, 600);
    QTRY_COMPARE(f.window->controls().client->height(), 600);
    QCOMPARE(sizes_of(f),
             (Sizes{twips_to_px(7600), twips_to_px(8290), twips_to_px(5650), twips_to_px(5950)}));
    // Nothing else moves or changes size.
    const MainControls& c = f.window->controls();
    QCOMPARE(c.Text1->pos(), QPoint(twips_to_px(4200), twips_to_px(360)));
    QCOMPARE(c.List1->geometry().topLeft(), QPoint(twips_to_px(2580), twips_to_px(3000)));
    QCOMPARE(c.List1->width(), twips_to_px(1500));
    QCOMPARE(c.File1->width(), twips_to_px(2385));
    QCOMPARE(c.Command1->geometry(), twips_rect(2580, 240, 1500, 360));
}

void TestResize::narrow_window()
{
    StartedWindow f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    size_window(f, 715, 481);
    QTRY_COMPARE(f.window->controls().client->height(), 481);
    const Sizes before = sizes_of(f);

    // 4200 twips: narrower than Text1's left edge plus 200.
    size_window(f, 280, 481);
    QTRY_COMPARE(f.window->frameGeometry().width(), 280);
    QCOMPARE(sizes_of(f), before);
    // Wider again by one pixel past the limit of 4400 twips.
    size_window(f, 294, 481);
    QTRY_COMPARE(f.window->frameGeometry().width(), 294);
    QCOMPARE(f.window->controls().Text1->width(), twips_to_px(4410 - 4400));
}

void TestResize::low_window()
{
    StartedWindow f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    size_window(f, 715, 481);
    QTRY_COMPARE(f.window->controls().client->height(), 481);
    const Sizes designed = sizes_of(f);

    // 3210 twips: List1 keeps its height, Text1 and File1 follow.
    size_window(f, 715, 214);
    QTRY_COMPARE(f.window->controls().client->height(), 214);
    QCOMPARE(sizes_of(f),
             (Sizes{designed.text1_width, twips_to_px(2500), designed.list1_height, twips_to_px(160)}));

    // 3000 twips: File1 has reached its limit too.
    size_window(f, 715, 200);
    QTRY_COMPARE(f.window->controls().client->height(), 200);
    QCOMPARE(sizes_of(f),
             (Sizes{designed.text1_width, twips_to_px(2290), designed.list1_height, twips_to_px(160)}));

    // 600 twips: below Text1's limit of 710 as well.
    size_window(f, 715, 40);
    QTRY_COMPARE(f.window->controls().client->height(), 40);
    QCOMPARE(sizes_of(f),
             (Sizes{designed.text1_width, twips_to_px(2290), designed.list1_height, twips_to_px(160)}));
}

void TestResize::minimise_and_restore()
{
    StartedWindow f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    size_window(f, 800, 600);
    QTRY_COMPARE(f.window->controls().client->height(), 600);
    const Sizes restored = sizes_of(f);

    f.window->showMinimized();
    QTRY_VERIFY(f.window->isMinimized());
    QCOMPARE(sizes_of(f), restored);
    f.window->showNormal();
    QTRY_VERIFY(!f.window->isMinimized());
    QCOMPARE(sizes_of(f), restored);

    // Where a minimised window reports next to no client area, every size stays, and
    // the restored size brings the same sizes back.
    size_window(f, 160, 1);
    QTRY_COMPARE(f.window->controls().client->height(), 1);
    QCOMPARE(sizes_of(f), restored);
    size_window(f, 800, 600);
    QTRY_COMPARE(f.window->controls().client->height(), 600);
    QCOMPARE(sizes_of(f), restored);
}

void TestResize::free_surface_click()
{
    StartedWindow f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QLabel* panel = f.window->controls().panels[0];
    QWidget* client = f.window->controls().client;
    // The first click activates the window, and the status bar lays its panels out anew.
    QTest::mouseClick(f.window->controls().List1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    const int before = panel->width();
    const int minimum = panel->minimumWidth();
    QVERIFY(before != twips_to_px(800));

    // On a control: nothing.
    QTest::mouseClick(f.window->controls().Text1->viewport(), Qt::LeftButton);
    QTest::mouseClick(f.window->controls().Command11, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(panel->width(), before);

    // Between List1 (ends at 4080 twips) and Text1 (starts at 4200): free surface.
    const QPoint free_spot(twips_to_px(4140), twips_to_px(3000));
    QCOMPARE(client->childAt(free_spot), nullptr);
    QTest::mouseClick(client, Qt::LeftButton, {}, free_spot);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(panel->width(), twips_to_px(800));
    QTest::mouseClick(f.window->controls().List1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(panel->width(), twips_to_px(800));

    // A size change lays the panels out anew.
    size_window(f, 800, 600);
    QTRY_COMPARE(f.window->controls().client->height(), 600);
    QTRY_VERIFY(panel->width() > before);
    QCOMPARE(panel->minimumWidth(), minimum);
}

void TestResize::menus()
{
    StartedWindow f;
    const MainControls& c = f.window->controls();
    const QList<QAction*> top = f.window->menuBar()->actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0]->text(), QStringLiteral("ファイル(&F)"));
    QCOMPARE(top[1]->text(), QStringLiteral("設定(&C)"));
    QCOMPARE(top[2]->text(), QStringLiteral("ヘルプ(&H)"));
    const QList<QAction*> file = c.mnuFile->actions();
    QCOMPARE(file.size(), 4);
    QCOMPARE(file[0], c.mnuOpenFolder);
    QCOMPARE(file[1], c.mnuRecent->menuAction());
    QVERIFY(file[2]->isSeparator());
    QCOMPARE(file[3], c.mnuEnd);
    QCOMPARE(c.mnuOpenFolder->text(), QStringLiteral("フォルダを開く(&O)..."));
    QCOMPARE(c.mnuOpenFolder->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QCOMPARE(c.mnuRecent->title(), QStringLiteral("最近使ったフォルダ(&R)"));
    QCOMPARE(c.mnuCustom->actions(), QList<QAction*>{c.mnuOpt});
    QCOMPARE(c.mnuHelp->actions(), (QList<QAction*>{c.mnuMftxt, c.mnuVersion}));
    QCOMPARE(c.mnuEnd->text(), QStringLiteral("終了(&X)"));
    QCOMPARE(c.mnuOpt->text(), QStringLiteral("オプション(&E)"));
    QCOMPARE(c.mnuMftxt->text(), QStringLiteral("ravfiler.txt表示(&M)"));
    QCOMPARE(c.mnuVersion->text(), QStringLiteral("バージョン情報(&A)"));
    // Only "フォルダを開く" has a shortcut key.
    for (QAction* item : {c.mnuEnd, c.mnuOpt, c.mnuMftxt, c.mnuVersion})
        QVERIFY(item->shortcut().isEmpty());
}

void TestResize::options_menu_opens_dialog()
{
    StartedWindow f;
    f.window->show();
    QString opened;
    bool modal = false;
    ModalRobot<QDialog> robot({[&](QDialog& dialog) {
        opened = dialog.objectName();
        modal = dialog.isModal();
        dialog.reject();
    }});
    f.window->controls().mnuOpt->trigger();
    QCOMPARE(opened, QStringLiteral("Form2"));
    QVERIFY(modal);
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.system.starts.isEmpty());
}

void TestResize::help_text_menu()
{
    StartedWindow f({.subfolder = QStringLiteral("my music")});
    f.window->controls().mnuMftxt->trigger();
    const QString help = f.path(QStringLiteral("ravfiler.txt"));
    QVERIFY(help.contains(QLatin1Char(' ')));
    QCOMPARE(f.system.starts.size(), 1);
    const RecordedStart& start = f.system.starts[0];
    QCOMPARE(start.command.text, QStringLiteral("\"/opt/editor/edit\" ") + help);
    QCOMPARE(start.command.program, QStringLiteral("/opt/editor/edit"));
    QCOMPARE(start.command.arguments, QStringList{help});
    QCOMPARE(start.style, WindowStyle::NoActivate);
    QVERIFY(f.dialogs.messages.isEmpty());
    // The start folder had none, so the one that comes with the program was put there first;
    // the user's own copy is kept as it is.
    QFile shipped(QStringLiteral(RAVU_SOURCE_DIR "/data/ravfiler.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    // In the system's own text form (CP932 with CR LF on Windows, for its editors).
    QCOMPARE(f.read_bytes(QStringLiteral("ravfiler.txt")),
             native_text_file(shipped.readAll(), f.system.desktop));
    f.write_file(QStringLiteral("ravfiler.txt"), "my notes\n");
    f.window->controls().mnuMftxt->trigger();
    QCOMPARE(f.read_bytes(QStringLiteral("ravfiler.txt")), QByteArray("my notes\n"));
    QCOMPARE(f.system.starts.size(), 2);

    f.system.fail_starts = true;
    f.window->controls().mnuMftxt->trigger();
    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("エディタ起動に失敗しました。\rパスを確認してください。")});
    QVERIFY(f.window->isEnabled());
}

void TestResize::version_menu()
{
    StartedWindow f;
    f.window->controls().mnuVersion->trigger();
    QCOMPARE(f.dialogs.messages.size(), 1);
    const RecordedMessage& box = f.dialogs.messages[0];
    QVERIFY(box.text.startsWith(QStringLiteral("Ravu Filer Ver2.00\r")));
    const QStringList lines = box.text.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(!lines[1].isEmpty());
    QVERIFY(!box.text.contains(QLatin1Char('\n')));
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(box.icon, MessageIcon::None);
    QVERIFY(box.title.isEmpty());
}

QTEST_MAIN(TestResize)
#include "test_resize.moc"
