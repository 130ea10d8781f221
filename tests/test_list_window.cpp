// The play list box List1 as the user edits it: Delete, Ctrl+Up, the context menu and a drag
// inside the list, the album written after the edits, and a list play with the real fake
// player that marks its entry, follows edits and is stopped.

#include "fake_player_log.h"
#include "file_list.h"
#include "paths.h"
#include "started_window.h"
#include "when_ready.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kFakePlayer = QStringLiteral(FAKE_PLAYER_PATH);

struct ListWindow : StartedWindow {
    QString log = path(QStringLiteral("player.log"));

    ListWindow()
        : StartedWindow({.settings = settings_naming(kFakePlayer, QStringLiteral("editor")),
                         .real_system = true,
                         .show = true})
    {
        qputenv("FAKE_PLAYER_LOG", log.toLocal8Bit());
        QApplication::setActiveWindow(window.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
    }
    ~ListWindow() { hold_until(QString()); }

    PlayListView* list() { return controls().List1; }
    QLabel* playing_panel() { return controls().panels[1]; }

    // Files of the start folder put into the list in list mode, as the user does.
    void list_files(const QStringList& names)
    {
        for (const QString& name : names)
            write_file(name, QByteArray());
        click_option(1);
        add_files(names);
    }

    // Players started from now on end only once this file exists; the file named before is
    // made, so the player waiting on it ends.
    void hold_until(const QString& file)
    {
        if (!m_hold.isEmpty())
            write_file(m_hold, QByteArray());
        m_hold = file;
        qputenv("FAKE_PLAYER_HOLD_FILE", path(file).toLocal8Bit());
    }

    QStringList played() { return played_tunes(read_fake_player_log(log)); }
    bool started(int runs) { return read_fake_player_log(log).size() >= runs; }
    QString in_folder(const QString& name) const { return join_folder_file(start_dir, name); }

    void click_row(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers,
                          list()->visualItemRect(list()->item(row)).center());
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        list()->setFocus();
        QTest::keyClick(list(), key, modifiers);
    }

    // Opens List1's context menu over a row; its actions by their texts.
    QMenu* open_menu(int row)
    {
        const QPoint at = list()->visualItemRect(list()->item(row)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list()->viewport(), &event);
        auto* menu = window->findChild<QMenu*>(QStringLiteral("List1_menu"));
        return menu && menu->isVisible() ? menu : nullptr;
    }
    // Picks a menu item over a row.
    void choose(int row, const QString& text)
    {
        QMenu* menu = open_menu(row);
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->text() == text)
                action->trigger();
        menu->close();
    }
    QString enabled_items(int row)
    {
        QMenu* menu = open_menu(row);
        if (!menu)
            return QStringLiteral("<no menu>");
        QStringList enabled;
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->isEnabled())
                enabled << action->text();
        menu->close();
        return enabled.join(QLatin1Char(' '));
    }

    // Drags the selected rows of List1 through the view's own drop handling, to the top or
    // bottom half of a row.
    void drag_selected_to(int row, bool lower_half)
    {
        QMimeData* data = list()->model()->mimeData(list()->selectionModel()->selectedIndexes());
        QVERIFY(data);
        const QRect rect = list()->visualItemRect(list()->item(row));
        const QPoint at(rect.center().x(), lower_half ? rect.bottom() - 1 : rect.top() + 1);
        const Qt::DropActions actions = Qt::MoveAction;
        QDragEnterEvent enter(at, actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(list()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at, actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(list()->viewport(), &move);
        QDropEvent drop(at, actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(list()->viewport(), &drop);
        QVERIFY(drop.isAccepted());
        delete data;
    }

    // The rows that carry the playing mark, as assistive technology reads them.
    QStringList marked()
    {
        QStringList rows;
        for (int i = 0; i < list()->count(); ++i)
            if (list()->item(i)->data(Qt::DecorationRole).isValid())
                rows << list()->item(i)->data(Qt::AccessibleTextRole).toString();
        return rows;
    }

private:
    QString m_hold;
};

// "a b" as the names "a.rav", "b.rav".
QStringList tunes(const char* spaced)
{
    QStringList result;
    for (const QString& name : QString::fromLatin1(spaced).split(QLatin1Char(' ')))
        result << name + QStringLiteral(".rav");
    return result;
}

} // namespace

class TestListWindow : public QObject {
    Q_OBJECT
private slots:
    void keys_menu_and_drag_edit_the_list();
    void stop_during_a_list_play();
    void edits_during_a_list_play();
};

void TestListWindow::keys_menu_and_drag_edit_the_list()
{
    ListWindow f;
    f.list_files(tunes("a b c d e"));

    // Delete removes the row and selects the one after it, so a second Delete goes on.
    f.click_row(1);
    f.key(Qt::Key_Delete);
    QCOMPARE(f.rows(), tunes("a c d e"));
    QCOMPARE(f.list()->selected_rows(), QList<int>{1});
    f.key(Qt::Key_Delete);
    QCOMPARE(f.entries(), tunes("a d e"));
    QCOMPARE(f.rows(), f.entries());
    QCOMPARE(f.state().play_list.list_count, 3);

    f.click_row(2);
    f.key(Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(f.rows(), tunes("a e d"));
    QCOMPARE(f.list()->selected_rows(), QList<int>{1});

    // Rows at both ends selected: neither can move; no list play to stop.
    f.click_row(0);
    f.click_row(2, Qt::ControlModifier);
    QCOMPARE(f.enabled_items(2), QStringLiteral("削除"));
    f.click_row(0);
    QCOMPARE(f.enabled_items(0), QStringLiteral("削除 下へ"));
    f.choose(0, QStringLiteral("下へ"));
    QCOMPARE(f.rows(), tunes("e a d"));
    QCOMPARE(f.enabled_items(1), QStringLiteral("削除 上へ 下へ"));

    // A drag moves, never copies.
    f.click_row(2);
    f.drag_selected_to(0, false);
    QCOMPARE(f.rows(), tunes("d e a"));
    f.click_row(0);
    f.click_row(1, Qt::ShiftModifier);
    f.drag_selected_to(2, true);
    QCOMPARE(f.rows(), tunes("a d e"));
    QCOMPARE(f.list()->selected_rows(), (QList<int>{1, 2}));

    f.choose(1, QStringLiteral("削除"));
    QCOMPARE(f.rows(), tunes("a"));

    // Added after the edits: at the end, and saved in the list's order. A file dropped onto
    // List1 from the file manager is added as before, not taken for a move.
    f.add_files(tunes("c"));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(f.path(QStringLiteral("b.rav")))});
    const QPoint at = f.list()->visualItemRect(f.list()->item(0)).center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(f.list()->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(f.list()->viewport(), &drop);
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(f.entries(), tunes("a c b"));
    QCOMPARE(f.rows(), f.entries());
    f.dialogs.save_results.enqueue(f.path(QStringLiteral("edited.alb")));
    f.click(f.controls().Command4);
    QCOMPARE(f.read_bytes(QStringLiteral("edited.alb")), QByteArray("a.rav\r\nc.rav\r\nb.rav\r\n"));
}

void TestListWindow::stop_during_a_list_play()
{
    ListWindow f;
    f.list_files(tunes("a b c"));
    f.hold_until(QStringLiteral("release"));
    QObject scope;
    QStringList seen;
    bool first_left_running = false;
    when(
        &scope, [&] { return f.started(1); },
        [&] {
            seen << f.playing_panel()->text() << f.marked().join(QLatin1Char('|'))
                 << f.enabled_items(0).section(QLatin1Char(' '), -1);
            // Escape anywhere in the main window stops the walk at once.
            QTest::keyClick(f.controls().File1, Qt::Key_Escape);
            seen << f.playing_panel()->text() << f.marked().join(QLatin1Char('|'));
            // A new list play starts at once while the first player still runs.
            f.controls().Command1->click();
        });
    when(
        &scope, [&] { return f.started(2); },
        [&] {
            first_left_running = !read_fake_player_log(f.log)[0].ended();
            f.hold_until(QString());
        });

    f.controls().Command1->click();

    QCOMPARE(seen, (QStringList{QStringLiteral("演奏中：a.rav (1/3)"), QStringLiteral("演奏中：a.rav"),
                                QStringLiteral("演奏中止"), QString(), QString()}));
    QVERIFY(first_left_running);
    QTRY_COMPARE(f.played(),
                 (QStringList{f.in_folder(QStringLiteral("a.rav")), f.in_folder(QStringLiteral("a.rav")),
                              f.in_folder(QStringLiteral("b.rav")), f.in_folder(QStringLiteral("c.rav"))}));
    QCOMPARE(f.playing_panel()->text(), QString());
    QVERIFY(f.marked().isEmpty());
    f.click_row(0);
    QCOMPARE(f.enabled_items(0), QStringLiteral("削除 下へ")); // no play left to stop
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestListWindow::edits_during_a_list_play()
{
    ListWindow f;
    f.list_files(tunes("a b c d"));
    f.hold_until(QStringLiteral("first"));
    QObject scope;
    QStringList seen;
    when(
        &scope, [&] { return f.started(1); },
        [&] {
            // b removed, d moved up before c: d follows the entry playing.
            f.click_row(1);
            f.key(Qt::Key_Delete);
            f.click_row(2);
            f.key(Qt::Key_Up, Qt::ControlModifier);
            seen << f.playing_panel()->text() << f.marked().join(QLatin1Char('|'));
            f.hold_until(QStringLiteral("second"));
        });
    when(
        &scope, [&] { return f.started(2); },
        [&] {
            seen << f.playing_panel()->text() << f.marked().join(QLatin1Char('|'));
            // The entry playing removed: the one now at its place comes next; b added again.
            f.click_row(1);
            f.key(Qt::Key_Delete);
            seen << f.playing_panel()->text() << f.marked().join(QLatin1Char('|'));
            f.add_files(tunes("b"));
            f.hold_until(QString());
        });

    f.controls().Command1->click();

    QCOMPARE(seen, (QStringList{QStringLiteral("演奏中：a.rav (1/3)"), QStringLiteral("演奏中：a.rav"),
                                QStringLiteral("演奏中：d.rav (2/3)"), QStringLiteral("演奏中：d.rav"),
                                QStringLiteral("演奏中：d.rav"), QString()}));
    QStringList expected;
    for (const QString& name : tunes("a d c b"))
        expected << f.in_folder(name);
    QCOMPARE(f.played(), expected);
    QCOMPARE(f.entries(), tunes("a c b"));
    QCOMPARE(f.playing_panel()->text(), QString());
}

QTEST_MAIN(TestListWindow)
#include "test_list_window.moc"
