// Going to any folder: a path named at the start (folder, tune, album, nothing there), the
// dialog of "フォルダを開く..." with its completion, and the recent folders kept in their file.

#include "file_list.h"
#include "folder_list.h"
#include "main_menus.h"
#include "messages.h"
#include "modal_robot.h"
#include "open_folder_dialog.h"
#include "recent_folders.h"
#include "started_window.h"
#include "test_files.h"
#include "window_messages.h"

#include <QAction>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

class TestGoToFolder : public QObject {
    Q_OBJECT
private slots:
    void typed_folder_data();
    void typed_folder();
    void recent_list_data();
    void recent_list();

    void path_at_start_data();
    void path_at_start();
    void open_folder_dialog_data();
    void open_folder_dialog();
    void completion_shows_hidden_folders();
    void recent_folders_menu();
    void recent_folders_of_the_run_come_first();
};

void TestGoToFolder::typed_folder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("home") << "~"
                          << "/h/me";
    QTest::newRow("below home") << "~/.hidden/x"
                                << "/h/me/.hidden/x";
    QTest::newRow("another user's home is a name") << "~bob"
                                                   << "/shown/~bob";
    QTest::newRow("relative") << "sub/../other"
                              << "/shown/other";
    QTest::newRow("absolute, blanks around") << "  /a//b/ "
                                             << "/a/b";
    QTest::newRow("nothing") << "  "
                             << "";
}

void TestGoToFolder::typed_folder()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(::typed_folder(typed, QStringLiteral("/h/me"), QStringLiteral("/shown")),
             QDir::toNativeSeparators(expected));
}

void TestGoToFolder::recent_list_data()
{
    QTest::addColumn<QStringList>("shown"); // in the order the lists showed them
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("newest first") << QStringList{"/a", "/b", "/c"} << QStringList{"/c", "/b", "/a"};
    QTest::newRow("again moves to the front") << QStringList{"/a", "/b", "/a"} << QStringList{"/a", "/b"};
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("/f%1").arg(i);
    QStringList last_ten;
    for (int i = 12; i >= 3; --i)
        last_ten << QStringLiteral("/f%1").arg(i);
    QTest::newRow("ten kept") << twelve << last_ten;
}

void TestGoToFolder::recent_list()
{
    QFETCH(QStringList, shown);
    QFETCH(QStringList, expected);
    QStringList folders;
    for (const QString& folder : shown)
        folders = with_recent_folder(folders, folder);
    QCOMPARE(folders, expected);
    // The file's text gives them back; blank lines, CR LF and repeats in it are no folders.
    QCOMPARE(recent_folders_from_text(recent_folders_text(folders)), expected);
    QCOMPARE(recent_folders_from_text("\n/a\r\n\n/a\n /b \n"), (QStringList{"/a", " /b "}));
}

void TestGoToFolder::path_at_start_data()
{
    QTest::addColumn<QString>("path"); // below the start folder
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("target"); // empty: none selected
    QTest::addColumn<bool>("told");
    QTest::newRow("folder") << "曲/sub"
                            << "曲/sub"
                            << "simple"
                            << "" << false;
    QTest::newRow("tune") << "曲/b.rav"
                          << "曲"
                          << "simple"
                          << "曲/b.rav" << false;
    QTest::newRow("album") << "曲/best.alb"
                           << "曲"
                           << "ledit"
                           << "曲/best.alb" << false;
    QTest::newRow("nothing there") << "曲/none.rav"
                                   << ""
                                   << "simple"
                                   << "" << true;
}

void TestGoToFolder::path_at_start()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, mode);
    QFETCH(QString, target);
    QFETCH(bool, told);
    StartedWindow f;
    f.make_folder(QStringLiteral("曲/sub"));
    for (const char* name : {"曲/a.rav", "曲/b.rav", "曲/best.alb"})
        f.write_file(QString::fromUtf8(name), "a.rav\r\n");
    const QString full = f.path(path);
    f.window->open_path(full);

    const QString expected_folder = folder.isEmpty() ? f.start_dir : f.path(folder);
    QCOMPARE(f.controls().Dir1->path(), expected_folder);
    QCOMPARE(f.controls().File1->path(), expected_folder);
    QCOMPARE(f.state().current_folder, expected_folder);
    QCOMPARE(f.controls().Label6->text(), mode);
    QCOMPARE(f.state().target_file, target.isEmpty() ? QString() : f.path(target));
    QCOMPARE(f.controls().File1->selected_name(), target.isEmpty() ? QString() : QFileInfo(full).fileName());
    const QStringList messages =
        told ? QStringList{folder_fault_message(full, FolderFault::Missing)} : QStringList();
    QCOMPARE(f.dialogs.texts(), messages);
}

void TestGoToFolder::open_folder_dialog_data()
{
    QTest::addColumn<QString>("typed");   // "~" is the temporary home
    QTest::addColumn<QString>("folder");  // where the lists end, below the start folder; empty: the start
    QTest::addColumn<int>("answer");      // to the folder rule's question; -1: none asked
    QTest::addColumn<QString>("message"); // "fault": the failed folder change
    QTest::newRow("hidden folder below home") << "~/.hidden"
                                              << "home/.hidden" << -1 << "";
    QTest::newRow("relative to the shown folder") << "home/.hidden/"
                                                  << "home/.hidden" << -1 << "";
    QTest::newRow("nothing there") << "/no/such/folder"
                                   << "" << -1 << "fault";
    QTest::newRow("play list kept") << "~"
                                    << "" << int(MessageAnswer::No) << "";
    QTest::newRow("play list given up") << "~"
                                        << "home" << int(MessageAnswer::Yes) << "";
}

// Ctrl+L opens the dialog; its folder is set as a double-click would set it, the folder
// rule's question included.
void TestGoToFolder::open_folder_dialog()
{
    QFETCH(QString, typed);
    QFETCH(QString, folder);
    QFETCH(int, answer);
    QFETCH(QString, message);
#ifdef Q_OS_WIN
    // Windows takes the home folder from the user's profile, which a test cannot move.
    if (typed.startsWith(QLatin1Char('~')) && answer != int(MessageAnswer::No))
        QSKIP("the home folder is the user's profile on Windows");
#endif
    StartedWindow f({.show = true});
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", f.make_folder(QStringLiteral("home")).toUtf8());
    f.make_folder(QStringLiteral("home/.hidden"));
    if (answer >= 0) {
        f.write_file(QStringLiteral("a.rav"), "");
        f.click_option(1);
        f.add_files({QStringLiteral("a.rav")});
        f.dialogs.answers.enqueue(MessageAnswer(answer));
    }
    QString shown_at_open;
    ModalRobot<OpenFolderDialog> robot({[&](OpenFolderDialog& d) {
        shown_at_open = d.Txt_Folder->text();
        d.Txt_Folder->setText(typed);
        d.Cmd_OK->click();
    }});
    QTest::keyClick(f.window.get(), Qt::Key_L, Qt::ControlModifier);
    QTRY_COMPARE(robot.seen(), 1);
    qputenv("HOME", home);

    QCOMPARE(shown_at_open, f.start_dir);
    const QString expected = folder.isEmpty() ? f.start_dir : f.path(folder);
    QCOMPARE(f.controls().Dir1->path(), expected);
    QCOMPARE(f.controls().File1->path(), expected);
    QStringList texts;
    if (answer >= 0)
        texts << kListSelectFolderQuestion;
    if (message == QStringLiteral("fault"))
        texts << folder_fault_message(QDir::toNativeSeparators(typed), FolderFault::Missing);
    QCOMPARE(f.dialogs.texts(), texts);
    QCOMPARE(f.entries().size(), answer == int(MessageAnswer::Yes) ? 0 : (answer >= 0 ? 1 : 0));
}

void TestGoToFolder::completion_shows_hidden_folders()
{
    QTemporaryDir temp;
    QVERIFY(QDir(temp.path()).mkpath(QStringLiteral(".secret/in")));
    QVERIFY(QDir(temp.path()).mkpath(QStringLiteral("plain")));
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", temp.path().toUtf8());
    OpenFolderDialog dialog(temp.path());
    QCompleter* completer = dialog.Txt_Folder->completer();
    QVERIFY(completer);
    QStringList found;
    const auto completions = [&](const QString& prefix) {
        dialog.Txt_Folder->setText(prefix);
        completer->setCompletionPrefix(prefix);
        found.clear();
        for (int i = 0; completer->setCurrentRow(i); ++i)
            found << completer->currentCompletion();
        return found;
    };
    const auto native = [&](const QString& below) { return QDir::toNativeSeparators(temp.path() + below); };
    QTRY_COMPARE(completions(temp.path() + QStringLiteral("/pl")),
                 QStringList{native(QStringLiteral("/plain"))});
#ifndef Q_OS_WIN // Windows takes the home folder from the user's profile
    QTRY_COMPARE(completions(QStringLiteral("~/.s")), QStringList{native(QStringLiteral("/.secret"))});
#endif
    QTRY_COMPARE(completions(temp.path() + QStringLiteral("/.secret/")),
                 QStringList{native(QStringLiteral("/.secret/in"))});
    qputenv("HOME", home);
}

// Each folder the lists show goes first into the menu and its file; one no longer there is
// disabled; choosing one moves the lists there.
void TestGoToFolder::recent_folders_menu()
{
    StartedWindow f({.load = false});
    const QString file = f.path(QStringLiteral("state/ravufiler/recent-folders"));
    const QString gone = f.path(QStringLiteral("gone"));
    const QString a = f.make_folder(QStringLiteral("a"));
    const QString b = f.make_folder(QStringLiteral("b"));
    f.write_file(QStringLiteral("state/ravufiler/recent-folders"),
                 (gone + QStringLiteral("\n") + a).toUtf8());
    f.window->keep_recent_folders_in(file);
    f.load();
    f.open_folder(b);

    QMenu* menu = f.controls().mnuRecent;
    emit menu->aboutToShow();
    QStringList shown;
    for (QAction* action : menu->actions())
        shown << (action->isEnabled() ? QString() : QStringLiteral("(disabled) ")) + action->text();
    const QStringList expected{QStringLiteral("&1 ") + b, QStringLiteral("&2 ") + f.start_dir,
                               QStringLiteral("(disabled) &3 ") + gone, QStringLiteral("&4 ") + a};
    QCOMPARE(shown, expected);
    QCOMPARE(read_recent_folders(file), (QStringList{b, f.start_dir, gone, a}));

    menu->actions().at(3)->trigger();
    QCOMPARE(f.controls().Dir1->path(), a);
    QCOMPARE(f.controls().File1->path(), a);
    QCOMPARE(read_recent_folders(file).first(), a);
    QCOMPARE(f.dialogs.texts(), QStringList());
}

// Folders shown before the file is known stay on top of those it holds, newest first.
void TestGoToFolder::recent_folders_of_the_run_come_first()
{
    StartedWindow f;
    const QString a = f.make_folder(QStringLiteral("a"));
    const QString b = f.make_folder(QStringLiteral("b"));
    QVERIFY(f.window->go_to_folder(a));
    QVERIFY(f.window->go_to_folder(b));
    f.write_file(QStringLiteral("recent"), (a + QStringLiteral("\nkept")).toUtf8());
    f.window->keep_recent_folders_in(f.path(QStringLiteral("recent")));
    QVERIFY(f.window->go_to_folder(f.start_dir));
    QCOMPARE(read_recent_folders(f.path(QStringLiteral("recent"))),
             (QStringList{f.start_dir, b, a, QStringLiteral("kept")}));
}

QTEST_MAIN(TestGoToFolder)
#include "test_go_to_folder.moc"
