// The edit, open, delete, refresh and rename buttons of the main window, on real files in a
// temporary folder, with scripted answers.

#include "file_list.h"
#include "file_names.h"
#include "folder_list.h"
#include "main_controls.h"
#include "modal_robot.h"
#include "rename_dialog.h"
#include "started_window.h"
#include "text_codec.h"
#include "twips.h"
#include "under_wine.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString target_display(StartedWindow& f)
{
    const QString label = f.control<QLabel>("Label3")->text();
    const QString panel = f.window->controls().panels[0]->text();
    return label == panel ? label : QStringLiteral("<differs: %1 | %2>").arg(label, panel);
}

struct RenameRun {
    QString initial_text;
    bool open_after_ok = false;
};

// Opens the rename dialog with Command8, types name and presses OK: a click, or the key
// given (pressed in the name field).
RenameRun rename_through_dialog(StartedWindow& f, const QString& name, Qt::Key key = Qt::Key_unknown)
{
    RenameRun run;
    ModalRobot<RenameDialog> robot({[&](RenameDialog& dialog) {
        run.initial_text = dialog.Txt_NewName->text();
        dialog.Txt_NewName->setText(name);
        if (key == Qt::Key_unknown) {
            dialog.Cmd_OK->click();
        } else {
            dialog.Txt_NewName->setFocus();
            QTest::keyClick(dialog.Txt_NewName, key);
        }
        run.open_after_ok = dialog.isVisible();
    }});
    f.control<QPushButton>("Command8")->click();
    return run;
}

} // namespace

class TestFileOperations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void edit();
    void open_folder();
    void delete_confirmed_moves_file_to_trash();
    void delete_declined_or_failed_still_clears_target();
    void refresh();
    void rename_dialog_layout_and_cancel();
    void rename_confirmed_data();
    void rename_confirmed();
    void rename_to_existing_name_overwrites_nothing();
    void rename_answered_no();
    void rename_empty_name_keeps_dialog_open();
    void rename_to_a_path_keeps_dialog_open_data();
    void rename_to_a_path_keeps_dialog_open();
    void rename_without_selection_in_list();
    void rename_letter_case();
    void foreign_name_data();
    void foreign_name();

private:
    QTemporaryDir m_home;
};

void TestFileOperations::initTestCase()
{
    // The desktop trash of this test run lives in a folder of its own.
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toUtf8());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("share")).toUtf8());
#ifndef Q_OS_WIN // Windows' recycle bin has no folder a test can choose
    QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).startsWith(m_home.path()));
#endif
}

void TestFileOperations::edit()
{
    StartedWindow f;
    auto* edit = f.control<QPushButton>("Command3");
    QCOMPARE(edit->text(), QStringLiteral("編集"));

    edit->click();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("ファイルを選択してください")});
    QVERIFY(f.system.starts.isEmpty());

    f.write_file(QStringLiteral("my tune.rav"), "cde\r\n");
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("my tune.rav"));
    const QString target = f.path(QStringLiteral("my tune.rav"));
    QCOMPARE(f.window->state().target_file, target);
    f.dialogs.clear();
    edit->click();
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.system.starts.size(), 1);
    QCOMPARE(f.system.starts[0].command.program, QStringLiteral("/opt/editor/edit"));
    QCOMPARE(f.system.starts[0].command.arguments, QStringList{target}); // one argument, blank and all
    QCOMPARE(f.system.starts[0].command.text,
             QStringLiteral("\"/opt/editor/edit\" \"") + target + QStringLiteral("\""));
    QCOMPARE(f.system.starts[0].style, WindowStyle::NoActivate);

    // An editor that cannot be started: the two-line message, and the target stays.
    f.system.fail_starts = true;
    edit->click();
    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("エディタ起動に失敗しました。\rパスを確認してください。")});
    QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(f.window->state().target_file, target);
}

void TestFileOperations::open_folder()
{
    StartedWindow f;
    QVERIFY(QDir(f.start_dir).mkdir(QStringLiteral("sub folder")));
    auto* dir1 = f.control<FolderList>("Dir1");
    QVERIFY(dir1->set_path(f.path(QStringLiteral("sub folder"))));
    auto* open = f.control<QPushButton>("Command10");
    QCOMPARE(open->text(), QStringLiteral("開く"));
    open->click();
    QCOMPARE(f.system.opened_folders, QStringList{dir1->path()});
    QVERIFY(f.dialogs.messages.isEmpty());

    f.system.fail_open = true;
    open->click();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("開けませんでした。")});
}

void TestFileOperations::delete_confirmed_moves_file_to_trash()
{
    StartedWindow f({.real_system = true});
    const QString tune = f.write_file(QStringLiteral("gone.rav"), "cde\r\n");
    auto* remove = f.control<QPushButton>("Command9");
    QCOMPARE(remove->text(), QStringLiteral("削除"));

    remove->click();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("ファイルを選択してください。")});
    QVERIFY(QFile::exists(tune));
    f.dialogs.clear();

    f.click_file(QStringLiteral("gone.rav"));
    QCOMPARE(f.state().target_file, tune);
    f.dialogs.answers.enqueue(MessageAnswer::Yes);
    remove->click();
    QVERIFY(!f.dialogs.messages.isEmpty()); // the program's own question
    QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::YesNo);
    QVERIFY(f.dialogs.messages[0].text.contains(tune));
    if (under_wine()) {
        // Windows moves the file into the recycle bin; Wine 8 has none behind Qt's call, and
        // the program says so and keeps the file.
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[1].text.startsWith(QStringLiteral("ごみ箱に移動できませんでした。\r")));
        QVERIFY(QFile::exists(tune));
        return;
    }
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(!QFile::exists(tune));
#ifndef Q_OS_WIN
    // In the desktop trash of this run, restorable: the file and where it came from.
    const QDir trash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                     + QStringLiteral("/Trash"));
    QVERIFY(trash.absolutePath().startsWith(m_home.path()));
    QFile trashed(trash.filePath(QStringLiteral("files/gone.rav")));
    QVERIFY(trashed.open(QIODevice::ReadOnly));
    QCOMPARE(trashed.readAll(), QByteArray("cde\r\n"));
    QFile info(trash.filePath(QStringLiteral("info/gone.rav.trashinfo")));
    QVERIFY(info.open(QIODevice::ReadOnly));
    QVERIFY(info.readAll().contains("Path=" + QUrl::toPercentEncoding(tune, "/")));
#endif

    QVERIFY(f.state().target_file.isEmpty());
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル："));
    QVERIFY(!f.controls().File1->names().contains(QStringLiteral("gone.rav")));
}

void TestFileOperations::delete_declined_or_failed_still_clears_target()
{
    // Shown, so the second click on the name still selected is a mouse click, which makes
    // it the target again.
    StartedWindow f({.show = true});
    f.write_file(QStringLiteral("kept.rav"), "cde\r\n");
    f.control<QPushButton>("Command11")->click();
    auto* remove = f.control<QPushButton>("Command9");

    // Declined.
    f.click_file(QStringLiteral("kept.rav"));
    f.dialogs.answers.enqueue(MessageAnswer::No);
    remove->click();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.system.trashed.isEmpty());
    QCOMPARE(f.read_bytes(QStringLiteral("kept.rav")), QByteArray("cde\r\n"));
    QVERIFY(f.window->state().target_file.isEmpty());
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル："));
    QVERIFY(f.control<FileList>("File1")->names().contains(QStringLiteral("kept.rav")));

    // Confirmed but the trash refuses: the failure is told, the target is still given up.
    f.dialogs.clear();
    f.click_file(QStringLiteral("kept.rav"));
    f.system.fail_trash = true;
    f.dialogs.answers.enqueue(MessageAnswer::Yes);
    remove->click();
    QCOMPARE(f.system.trashed, QStringList{f.path(QStringLiteral("kept.rav"))});
    QCOMPARE(f.dialogs.messages.size(), 2);
    QVERIFY(f.dialogs.messages[1].text.startsWith(QStringLiteral("ごみ箱に移動できませんでした。")));
    QVERIFY(QFile::exists(f.path(QStringLiteral("kept.rav"))));
    QVERIFY(f.window->state().target_file.isEmpty());
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル："));
}

void TestFileOperations::refresh()
{
    StartedWindow f;
    f.write_file(QStringLiteral("a.rav"), "a");
    auto* list = f.control<FileList>("File1");
    auto* dir1 = f.control<FolderList>("Dir1");
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("a.rav"));
    const QString target = f.window->state().target_file;
    QVERIFY(!target.isEmpty());

    f.write_file(QStringLiteral("b.txt"), "b");
    QVERIFY(QDir(f.start_dir).mkdir(QStringLiteral("newfolder")));
    QVERIFY(!list->names().contains(QStringLiteral("b.txt")));
    auto* button = f.control<QPushButton>("Command11");
    QCOMPARE(button->text(), QStringLiteral("更新"));
    button->click();
    QCOMPARE(list->names(), (QStringList{QStringLiteral("a.rav"), QStringLiteral("b.txt")}));
    QVERIFY(!dir1->findItems(QStringLiteral("newfolder"), Qt::MatchEndsWith).isEmpty());
    QCOMPARE(f.window->state().target_file, target);
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル：") + target);

    // The selection stays with its name, so "変更" renames the file the target names.
    QCOMPARE(list->selected_name(), QStringLiteral("a.rav"));
    f.dialogs.answers.enqueue(MessageAnswer::Yes);
    QCOMPARE(rename_through_dialog(f, QStringLiteral("c.rav")).initial_text, QStringLiteral("a.rav"));
    QCOMPARE(f.dialogs.texts().size(), 1); // the question only
    QCOMPARE(f.read_bytes(QStringLiteral("c.rav")), QByteArray("a"));
    QCOMPARE(list->names(), (QStringList{QStringLiteral("b.txt"), QStringLiteral("c.rav")}));
}

void TestFileOperations::rename_dialog_layout_and_cancel()
{
    StartedWindow f;
    auto* rename = f.control<QPushButton>("Command8");
    QCOMPARE(rename->text(), QStringLiteral("変更"));

    // No target: a message and no dialog.
    rename->click();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("ファイルを選択してください。")});
    f.dialogs.clear();

    f.write_file(QStringLiteral("tune one.rav"), "x");
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("tune one.rav"));
    const QString target = f.window->state().target_file;

    QString title, initial, ok, cancel;
    QSize size;
    QRect field_rect, ok_rect, cancel_rect;
    bool modal = false;
    QString focus_after_tab; // the name only: the dialog is gone when it is checked
    ModalRobot<RenameDialog> robot({[&](RenameDialog& shown) {
        QDialog* dialog = &shown;
        title = dialog->windowTitle();
        modal = dialog->isModal();
        size = dialog->size();
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Txt_NewName"));
        auto* ok_button = dialog->findChild<QPushButton*>(QStringLiteral("Cmd_OK"));
        auto* cancel_button = dialog->findChild<QPushButton*>(QStringLiteral("Cmd_Cnl"));
        initial = field->text();
        ok = ok_button->text();
        cancel = cancel_button->text();
        field_rect = field->geometry();
        ok_rect = ok_button->geometry();
        cancel_rect = cancel_button->geometry();
        focus_after_tab = field->nextInFocusChain()->objectName();
        field->setText(QStringLiteral("other.rav"));
        cancel_button->click();
    }});
    rename->click();
    QCOMPARE(robot.seen(), 1);

    QCOMPARE(title, QStringLiteral("ファイル名変更"));
    QVERIFY(modal);
    QCOMPARE(size, QSize(twips_to_px(3600), twips_to_px(1125)));
    QCOMPARE(initial, QStringLiteral("tune one.rav"));
    QCOMPARE(ok, QStringLiteral("OK"));
    QCOMPARE(cancel, QStringLiteral("キャンセル"));
    QCOMPARE(field_rect, twips_rect(240, 120, 2835, 315));
    QCOMPARE(ok_rect, twips_rect(240, 600, 1395, 315));
    QCOMPARE(cancel_rect, twips_rect(1800, 600, 1275, 315));
    QCOMPARE(focus_after_tab, QStringLiteral("Cmd_OK"));

    // Cancel changes nothing and asks nothing.
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(QFile::exists(f.path(QStringLiteral("tune one.rav"))));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("other.rav"))));
    QCOMPARE(f.window->state().target_file, target);
}

void TestFileOperations::rename_confirmed_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("old_name");
    QTest::addColumn<QString>("new_name");
    QTest::newRow("OK clicked") << int(Qt::Key_unknown) << "old.rav"
                                << "new name.txt";
    QTest::newRow("Return in the name field") << int(Qt::Key_Return) << "old.rav"
                                              << "new name.txt";
    QTest::newRow("Enter in the name field") << int(Qt::Key_Enter) << "old.rav"
                                             << "new name.txt";
    // The names fill the question once; a name's own %1 is not filled again.
    QTest::newRow("names holding %1 and %2") << int(Qt::Key_unknown) << "%2 old.rav"
                                             << "%1 new.txt";
}

void TestFileOperations::rename_confirmed()
{
    QFETCH(int, key);
    QFETCH(QString, old_name);
    QFETCH(QString, new_name);
    StartedWindow f;
    f.write_file(old_name, "old content");
    f.control<QPushButton>("Command11")->click();
    f.click_file(old_name);

    f.dialogs.answers.enqueue(MessageAnswer::Yes);
    const RenameRun run = rename_through_dialog(f, new_name, Qt::Key(key));
    QCOMPARE(run.initial_text, old_name);
    QVERIFY(!run.open_after_ok);

    QCOMPARE(f.dialogs.messages.size(), 1);
    const RecordedMessage& question = f.dialogs.messages[0];
    QCOMPARE(question.text, QStringLiteral("ファイル名を「") + old_name + QStringLiteral("」から\r「")
                                + new_name + QStringLiteral("」に変更します。\rよろしいですか？"));
    QCOMPARE(question.title, QStringLiteral("ファイル名変更確認"));
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::None);
    QCOMPARE(question.default_answer, MessageAnswer::Yes);

    QVERIFY(!QFile::exists(f.path(old_name)));
    QCOMPARE(f.read_bytes(new_name), QByteArray("old content"));
    QCOMPARE(f.control<FileList>("File1")->names(), QStringList{new_name});
    QVERIFY(f.window->state().target_file.isEmpty());
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル："));

    // With the target gone, edit and delete ask for a file.
    f.dialogs.clear();
    f.control<QPushButton>("Command3")->click();
    f.control<QPushButton>("Command9")->click();
    QCOMPARE(f.dialogs.texts(), (QStringList{QStringLiteral("ファイルを選択してください"),
                                             QStringLiteral("ファイルを選択してください。")}));
}

void TestFileOperations::rename_to_existing_name_overwrites_nothing()
{
    StartedWindow f;
    f.write_file(QStringLiteral("a.rav"), "first");
    f.write_file(QStringLiteral("b.rav"), "second");
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("a.rav"));

    f.dialogs.answers.enqueue(MessageAnswer::Yes);
    const RenameRun run = rename_through_dialog(f, QStringLiteral("b.rav"));
    QVERIFY(!run.open_after_ok);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.dialogs.messages[1].text, QStringLiteral("ファイル名を変更できませんでした。"));
    QCOMPARE(f.read_bytes(QStringLiteral("a.rav")), QByteArray("first"));
    QCOMPARE(f.read_bytes(QStringLiteral("b.rav")), QByteArray("second"));
    QVERIFY(f.window->state().target_file.isEmpty());
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル："));

    // The same name again, and a folder of the new name: nothing moves either.
    QVERIFY(QDir(f.start_dir).mkdir(QStringLiteral("c.rav")));
    QVERIFY(!rename_file_keeping_others(f.start_dir, QStringLiteral("a.rav"), QStringLiteral("a.rav")));
    QVERIFY(!rename_file_keeping_others(f.start_dir, QStringLiteral("a.rav"), QStringLiteral("c.rav")));
    QVERIFY(QFileInfo(f.path(QStringLiteral("c.rav"))).isDir());
    QCOMPARE(f.read_bytes(QStringLiteral("a.rav")), QByteArray("first"));
    // A missing source or no source name at all is a failure, not a rename of the folder.
    QVERIFY(!rename_file_keeping_others(f.start_dir, QStringLiteral("none.rav"), QStringLiteral("d.rav")));
    QVERIFY(!rename_file_keeping_others(f.start_dir, QString(), QStringLiteral("d.rav")));
    QVERIFY(QFileInfo(f.start_dir).isDir());
    QVERIFY(!QFile::exists(f.path(QStringLiteral("d.rav"))));
}

void TestFileOperations::rename_answered_no()
{
    StartedWindow f;
    f.write_file(QStringLiteral("a.rav"), "first");
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("a.rav"));
    const QString target = f.window->state().target_file;

    f.dialogs.answers.enqueue(MessageAnswer::No);
    const RenameRun run = rename_through_dialog(f, QStringLiteral("z.rav"));
    QVERIFY(!run.open_after_ok);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.dialogs.messages[1].text, QStringLiteral("ファイル名を変更しませんでした。"));
    QCOMPARE(f.read_bytes(QStringLiteral("a.rav")), QByteArray("first"));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("z.rav"))));
    QCOMPARE(f.window->state().target_file, target);
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル：") + target);
}

void TestFileOperations::rename_empty_name_keeps_dialog_open()
{
    StartedWindow f;
    f.write_file(QStringLiteral("a.rav"), "first");
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("a.rav"));

    const RenameRun run = rename_through_dialog(f, QString());
    QVERIFY(run.open_after_ok);
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("ファイル名が入力されていません。")});
    QVERIFY(QFile::exists(f.path(QStringLiteral("a.rav"))));
    QVERIFY(!f.window->state().target_file.isEmpty());
}

void TestFileOperations::rename_to_a_path_keeps_dialog_open_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"../esc.rav", "a/b.rav", ".", ".."})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFileOperations::rename_to_a_path_keeps_dialog_open()
{
    QFETCH(QString, name);
    StartedWindow f({.subfolder = QStringLiteral("tunes")});
    f.write_file(QStringLiteral("a.rav"), "first");
    QVERIFY(QDir(f.start_dir).mkdir(QStringLiteral("a")));
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("a.rav"));
    const QString target = f.window->state().target_file;

    f.dialogs.answers.enqueue(MessageAnswer::Yes); // would confirm, were it asked
    const RenameRun run = rename_through_dialog(f, name);
    QVERIFY(run.open_after_ok);
    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("フォルダの区切り文字を含む名前や「.」「..」には変更できません。")});
    QCOMPARE(f.read_bytes(QStringLiteral("a.rav")), QByteArray("first"));
    QCOMPARE(QDir(f.temp.path()).entryList(QDir::Files), QStringList{}); // nothing left the folder
    QVERIFY(QDir(f.path(QStringLiteral("a"))).isEmpty());
    QCOMPARE(f.window->state().target_file, target);
}

void TestFileOperations::rename_without_selection_in_list()
{
    StartedWindow f;
    f.write_file(QStringLiteral("a.rav"), "first");
    QVERIFY(QDir(f.start_dir).mkdir(QStringLiteral("sub")));
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("a.rav"));
    // A folder change drops the list's selection while the target stays.
    QVERIFY(f.control<FolderList>("Dir1")->set_path(f.path(QStringLiteral("sub"))));
    QCOMPARE(f.control<FileList>("File1")->selected_index(), -1);
    QVERIFY(!f.window->state().target_file.isEmpty());

    f.dialogs.answers.enqueue(MessageAnswer::Yes);
    const RenameRun run = rename_through_dialog(f, QStringLiteral("b.rav"));
    QCOMPARE(run.initial_text, QString());
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("ファイル名を「」から\r「b.rav」に変更します。\rよろしいですか？"));
    QCOMPARE(f.dialogs.messages[1].text, QStringLiteral("ファイル名を変更できませんでした。"));
    QCOMPARE(f.read_bytes(QStringLiteral("a.rav")), QByteArray("first"));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("b.rav"))));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("sub/b.rav"))));
    QVERIFY(f.window->state().target_file.isEmpty());
}

void TestFileOperations::rename_letter_case()
{
    SKIP_UNDER_WINE("Windows renames tune.rav to Tune.rav; Wine finds the new name to be the old file and "
                    "leaves the name as it was");
    StartedWindow f;
    f.write_file(QStringLiteral("tune.rav"), "lower");
    f.control<QPushButton>("Command11")->click();
    f.click_file(QStringLiteral("tune.rav"));
    f.dialogs.answers.enqueue(MessageAnswer::Yes);
    rename_through_dialog(f, QStringLiteral("Tune.rav"));
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.control<FileList>("File1")->names(), QStringList{QStringLiteral("Tune.rav")});
    QCOMPARE(f.read_bytes(QStringLiteral("Tune.rav")), QByteArray("lower"));

    // Where case counts and both names exist, they are two files: no rename.
    f.write_file(QStringLiteral("TUNE.rav"), "upper");
    if (f.read_bytes(QStringLiteral("Tune.rav")) == "lower") { // the file system tells them apart
        QVERIFY(
            !rename_file_keeping_others(f.start_dir, QStringLiteral("Tune.rav"), QStringLiteral("TUNE.rav")));
        QCOMPARE(f.read_bytes(QStringLiteral("Tune.rav")), QByteArray("lower"));
        QCOMPARE(f.read_bytes(QStringLiteral("TUNE.rav")), QByteArray("upper"));
    }
}

void TestFileOperations::foreign_name_data()
{
    // A name as the folder holds its bytes; whether a file already has its CP932 reading as
    // its name; the answer; the boxes shown; the name the file has afterwards (empty: the
    // bytes it had).
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("renamed");
    const QString ask = QStringLiteral("ファイル名の文字コードがこのシステムと異なるため、このままでは使えま"
                                       "せん。\r「曲 ソ.rav」に変更しますか？");
    const QByteArray cp932 = "\x8b\xc8 \x83\x5c.rav"; // 曲 ソ.rav, its second byte a backslash
    QTest::newRow("CP932, renamed") << cp932 << false << MessageAnswer::Yes << QStringList{ask}
                                    << QStringLiteral("曲 ソ.rav");
    QTest::newRow("CP932, declined") << cp932 << false << MessageAnswer::No << QStringList{ask} << QString();
    QTest::newRow("CP932, name taken")
        << cp932 << true << MessageAnswer::Yes
        << QStringList{ask, QStringLiteral("ファイル名を変更できませんでした。")} << QString();
    QTest::newRow("not CP932") << QByteArray("bad\xff\xfe.rav") << false << MessageAnswer::Yes
                               << QStringList{QStringLiteral(
                                      "ファイル名「bad\uFFFD\uFFFD.rav」はこのシステムで読めない"
                                      "文字を含むため、このファイルは使えません。")}
                               << QString();
}

void TestFileOperations::foreign_name()
{
#ifdef Q_OS_LINUX
    QFETCH(QByteArray, bytes);
    QFETCH(bool, taken);
    QFETCH(MessageAnswer, answer);
    QFETCH(QStringList, texts);
    QFETCH(QString, renamed);
    StartedWindow f;
    const QByteArray raw_path = QFile::encodeName(f.start_dir) + '/' + bytes;
    const int fd = ::open(raw_path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0 && ::write(fd, "cde\r\n", 5) == 5 && ::close(fd) == 0);
    if (taken)
        f.write_file(QStringLiteral("曲 ソ.rav"), "mine");
    f.write_file(QStringLiteral("other.rav"), "other");
    auto* list = f.control<FileList>("File1");
    list->refresh();
    f.click_file(QStringLiteral("other.rav"));
    const QString before = f.window->state().target_file;

    // Listed as its CP932 reading (beside a file of that name, when one is there).
    const QStringList names = list->names();
    int row = -1;
    for (int i = 0; i < names.size(); ++i)
        if (!list->foreign_name(i).isEmpty())
            row = i;
    QVERIFY(row >= 0);
    QCOMPARE(list->foreign_name(row), bytes);
    QCOMPARE(names[row], decode_as(bytes, TextCodec::Cp932));
    QCOMPARE(names.count(names[row]), taken ? 2 : 1);
    f.dialogs.answers.enqueue(answer);
    list->select_index(row);
    QTRY_COMPARE(f.dialogs.texts(), texts);
    if (texts.size() > 0 && texts[0].endsWith(QStringLiteral("に変更しますか？"))) {
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("ファイル名変更確認"));
        QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::YesNo);
    }
    QCOMPARE(::access(raw_path.constData(), F_OK) == 0, renamed.isEmpty());
    if (renamed.isEmpty()) {
        // Nothing acts on the name as listed; the target stays what it was.
        QCOMPARE(list->selected_index(), -1);
        QCOMPARE(f.window->state().target_file, before);
        if (taken)
            QCOMPARE(f.read_bytes(QStringLiteral("曲 ソ.rav")), QByteArray("mine"));
        return;
    }
    // The renamed file is selected, the target, and previewed like any other.
    QCOMPARE(list->selected_name(), renamed);
    QCOMPARE(f.window->state().target_file, f.path(renamed));
    QCOMPARE(target_display(f), QStringLiteral("対象ファイル：") + f.path(renamed));
    QCOMPARE(f.control<QPlainTextEdit>("Text1")->toPlainText(), QStringLiteral("cde"));
    QCOMPARE(f.read_bytes(renamed), QByteArray("cde\r\n"));
#else
    QSKIP("file names are text on this system");
#endif
}

QTEST_MAIN(TestFileOperations)
#include "test_file_operations.moc"
