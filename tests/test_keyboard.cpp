// The windows by keyboard: Tab and Shift+Tab walk the controls in their designed order, the
// option group being one stop; the preview takes no typing; Enter and Space press a button.

#include "file_list.h"
#include "options_dialog.h"
#include "rename_dialog.h"
#include "started_window.h"
#include "trial_window.h"

#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Presses the key on whatever has the focus, `count` times, and lists where the focus went.
QStringList walk(Qt::Key key, qsizetype count)
{
    QStringList names;
    for (qsizetype i = 0; i < count; ++i) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            return names << QStringLiteral("<no focus>");
        QTest::keyClick(focused, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        names << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                              : QStringLiteral("<none>"));
    }
    return names;
}

void activate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// From the first control round to it again by Shift+Tab, and forward by Tab.
void check_round(const QStringList& order)
{
    QStringList backward;
    for (qsizetype i = order.size() - 1; i >= 0; --i)
        backward << order[i];
    QCOMPARE(walk(Qt::Key_Backtab, backward.size()), backward);
    QStringList forward = order.mid(1);
    forward << order.first();
    QCOMPARE(walk(Qt::Key_Tab, forward.size()), forward);
}

// The main window's controls that take the focus, in their designed tab order.
const QStringList kMainOrder{
    "Drive1", "Dir1",     "File1",    "Text1",     "Command1",  "Command3",  "Check1",    "Check2",
    "Check3", "Command5", "Command6", "Option1_0", "Option1_1", "Option1_2", "Command4",  "Command7",
    "Check4", "List1",    "Command2", "Command8",  "Command9",  "Command10", "Command11",
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void main_window_order_data();
    void main_window_order();
    void preview_takes_no_typing();
    void dialog_order_data();
    void dialog_order();
    void keys_press_focused_button_data();
    void keys_press_focused_button();
};

void TestKeyboard::main_window_order_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("単曲") << 0;
    QTest::newRow("リスト") << 1;
    QTest::newRow("アルバム") << 2;
}

// From the file list every enabled control in order; of the option buttons only the selected
// one, whichever way the row is entered.
void TestKeyboard::main_window_order()
{
    QFETCH(int, mode);
    StartedWindow f;
    activate(f.window.get());
    if (mode > 0) // 単曲 is selected from the start
        QTest::mouseClick(f.window->controls().Option1[mode], Qt::LeftButton);
    QVERIFY(f.window->controls().Option1[mode]->isChecked());

    QStringList order;
    for (const QString& name : kMainOrder) {
        auto* control = f.control<QWidget>(qPrintable(name));
        QVERIFY2(control, qPrintable(name));
        const auto* option = qobject_cast<QRadioButton*>(control);
        if (control->isEnabled() && (!option || option->isChecked()))
            order << name;
    }
    const qsizetype file_list = order.indexOf(QStringLiteral("File1"));
    order = order.mid(file_list) + order.mid(0, file_list);
    f.control<QWidget>("File1")->setFocus();
    check_round(order);
}

// Tab passes through the preview; typing, deleting, pasting and cutting leave its text as the
// file has it, and the text can still be copied.
void TestKeyboard::preview_takes_no_typing()
{
    StartedWindow f;
    QFile tune(f.path(QStringLiteral("a.rav")));
    QVERIFY(tune.open(QIODevice::WriteOnly));
    tune.write("t120 o4 l8\r\ncdefgab>c\r\n");
    tune.close();
    activate(f.window.get());
    MainControls& c = f.window->controls();
    c.File1->refresh();
    c.File1->select_index(0);
    const QString shown = QStringLiteral("t120 o4 l8\ncdefgab>c");
    QCOMPARE(c.Text1->toPlainText(), shown);

    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    c.Text1->setFocus();
    QTest::keyClicks(c.Text1, QStringLiteral("xyz "));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete})
        QTest::keyClick(c.Text1, key);
    QTest::keyClick(c.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c.Text1, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(c.Text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(c.Text1->toPlainText(), shown);
    QCOMPARE(QApplication::focusWidget(), c.Text1);

    QTest::keyClick(c.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c.Text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), shown);

    QTest::keyClick(c.Text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), c.Command1);
    QTest::keyClick(c.Command1, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(c.Text1, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), c.File1);
    QCOMPARE(c.Text1->toPlainText(), shown);
}

namespace {

std::unique_ptr<QWidget> make_window(StartedWindow& f, const QString& name)
{
    MainWindow& w = *f.window;
    if (name == QStringLiteral("Form2"))
        return std::make_unique<OptionsDialog>(w.state(), w.controls(), f.dialogs, f.system.desktop);
    if (name == QStringLiteral("Form3"))
        return std::make_unique<RenameDialog>(w.state(), w.controls().File1, target_display(w.controls()),
                                              f.dialogs);
    return std::make_unique<TrialWindow>(w.state(), f.dialogs, f.system);
}

} // namespace

void TestKeyboard::dialog_order_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("options") << QStringLiteral(
        "Form2") << QStringList{"Text1", "Text2", "Command1", "Command2", "Command3", "Command4", "Check1"};
    QTest::newRow("rename") << QStringLiteral("Form3") << QStringList{"Txt_NewName", "Cmd_OK", "Cmd_Cnl"};
    QTest::newRow("trial") << QStringLiteral("Form4") << QStringList{"Text1", "Command1", "Command2"};
}

// The first control has the focus when the window opens; Tab and Shift+Tab go round.
void TestKeyboard::dialog_order()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    StartedWindow f;
    const std::unique_ptr<QWidget> w = make_window(f, window);
    activate(w.get());
    QCOMPARE(QApplication::focusWidget(), w->findChild<QWidget*>(order.first()));
    check_round(order);
}

void TestKeyboard::keys_press_focused_button_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    const struct {
        const char* window;
        const char* button;
    } buttons[] = {{"Form1", "Command3"}, {"Form2", "Command3"}, {"Form3", "Cmd_OK"}, {"Form4", "Command1"}};
    for (const auto& b : buttons)
        QTest::addRow("%s %s", b.window, b.button)
            << QString::fromLatin1(b.window) << QString::fromLatin1(b.button);
}

void TestKeyboard::keys_press_focused_button()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        StartedWindow f;
        const std::unique_ptr<QWidget> made =
            window == QStringLiteral("Form1") ? nullptr : make_window(f, window);
        QWidget* w = made ? made.get() : f.window.get();
        activate(w);
        auto* b = w->findChild<QPushButton*>(button);
        QVERIFY(b);
        b->setFocus();
        QSignalSpy clicked(b, &QPushButton::clicked);
        QTest::keyClick(b, key);
        QVERIFY2(clicked.size() == 1, qPrintable(QStringLiteral("key %1").arg(key, 0, 16)));
    }
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
