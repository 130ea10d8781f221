// Selection modes, the list clear button, the double-click and folder and drive changes,
// driven through the main window's controls with scripted answers.

#include "desktop_services.h"
#include "drive_list.h"
#include "editor_defaults.h"
#include "file_list.h"
#include "folder_list.h"
#include "selection_mode.h"
#include "started_window.h"

#include "visible_text.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kListQuestion = QStringLiteral("選択されたリストが無効になりますがよろしいですか？");
const QString kFolderQuestion = QStringLiteral(
    "ファイル選択中です。パスを変更すると選択されたファイルがクリアされますがよろしいですか？");
const QString kAlbumQuestion =
    QStringLiteral("リスト読込中です。パスを変更すると読み込んだクリアされますがよろしいですか？");

// A folder "tunes" with two tunes and an album, a folder "other" with one tune.
void make_tunes(StartedWindow& w)
{
    w.write_file(QStringLiteral("tunes/a.rav"), "A");
    w.write_file(QStringLiteral("tunes/b.txt"), "B");
    w.write_file(QStringLiteral("tunes/ab.alb"), "a.rav\r\nb.txt\r\n");
    w.write_file(QStringLiteral("tunes/noalb.alb"), "\r\nb.txt\r\n");
    w.write_file(QStringLiteral("other/c.rav"), "C");
    w.open_folder(w.path(QStringLiteral("tunes")));
}

void expect_question(const RecordedMessage& box, const QString& text)
{
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, MessageButtons::YesNo);
    QCOMPARE(box.icon, MessageIcon::Warning);
    QVERIFY(box.title.isEmpty());
}

} // namespace

class TestModes : public QObject {
    Q_OBJECT
private slots:
    void leaving_list_mode_asks_and_no_keeps_everything();
    void leaving_list_mode_with_yes_enters_simple_mode();
    void list_to_album_asks_only_with_a_list_in_use();
    void reselecting_the_current_mode_keeps_the_list();
    void album_with_empty_first_line_is_not_in_use();
    void clear_button_asks_only_with_a_list_in_use();
    void double_click_follows_the_mode();
    void abnormal_mode_is_reported();
    void folder_change_in_list_mode();
    void folder_change_keeps_the_target();
    void album_mode_revert_returns_folder_and_drive();
    void unavailable_drive_keeps_the_folder();
    void drive_change_shows_the_drives_last_folder();
    void vanished_volume_is_not_available();
    void file_list_shows_matching_files_by_name();
    void folder_that_cannot_be_opened_data();
    void folder_that_cannot_be_opened();
    void control_characters_shown_visibly();
};

void TestModes::leaving_list_mode_asks_and_no_keeps_everything()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.click_option(1);
    w.add_files({QStringLiteral("a.rav"), QStringLiteral("b.txt")});
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.txt"}));
    w.dialogs.clear();

    w.dialogs.answers.enqueue(MessageAnswer::No);
    w.click_option(0);

    QCOMPARE(w.dialogs.messages.size(), 1);
    expect_question(w.dialogs.messages[0], kListQuestion);
    QVERIFY(w.controls().Option1[1]->isChecked());
    QCOMPARE(w.state().select_mode, QStringLiteral("lselect"));
    QCOMPARE(w.controls().Label6->text(), QStringLiteral("lselect"));
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.txt"}));
    QCOMPARE(w.rows(), QStringList({"a.rav", "b.txt"}));
    QVERIFY(w.state().target_file.isEmpty());
    QCOMPARE(w.status_text(), QStringLiteral("対象ファイル："));
    QCOMPARE(w.controls().Label3->text(), QStringLiteral("対象ファイル："));
    QVERIFY(w.controls().Text1->toPlainText().isEmpty()); // no preview of a file no longer the target
    QVERIFY(w.controls().Command5->isEnabled());
    QVERIFY(!w.controls().Check1->isEnabled());
}

void TestModes::leaving_list_mode_with_yes_enters_simple_mode()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.click_option(1);
    w.add_files({QStringLiteral("a.rav"), QStringLiteral("b.txt")});
    w.dialogs.clear();

    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.click_option(0);

    QCOMPARE(w.dialogs.texts(), QStringList({kListQuestion}));
    QVERIFY(w.entries().isEmpty());
    QCOMPARE(w.state().play_list.list_count, 0);
    QCOMPARE(w.controls().List1->count(), 0);
    QCOMPARE(w.state().select_mode, QStringLiteral("simple"));
    QCOMPARE(w.controls().Label6->text(), QStringLiteral("simple"));
    QVERIFY(w.controls().Option1[0]->isChecked());
    QCOMPARE(w.controls().File1->pattern(), QStringLiteral("*.txt;*.rav"));
    QCOMPARE(w.controls().File1->names(), QStringList({"a.rav", "b.txt"}));
    QCOMPARE(w.controls().Command1->text(), QStringLiteral("ravu起動"));
    QVERIFY(w.controls().Check1->isEnabled());
    QVERIFY(w.controls().Check2->isEnabled());
    for (QPushButton* b :
         {w.controls().Command4, w.controls().Command5, w.controls().Command6, w.controls().Command7})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
}

void TestModes::list_to_album_asks_only_with_a_list_in_use()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.click_option(1);
    QCOMPARE(w.controls().Command1->text(), QStringLiteral("アルバム演奏"));
    w.add_files({QStringLiteral("a.rav")});
    w.dialogs.clear();

    w.dialogs.answers.enqueue(MessageAnswer::No);
    w.click_option(2);
    QCOMPARE(w.dialogs.texts(), QStringList({kListQuestion}));
    QCOMPARE(w.state().select_mode, QStringLiteral("lselect"));
    QVERIFY(w.controls().Option1[1]->isChecked());

    // Emptied by the clear button, the list no longer holds the mode.
    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.click(w.controls().Command6);
    w.dialogs.clear();
    w.click_option(2);
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.state().select_mode, QStringLiteral("ledit"));
    QCOMPARE(w.controls().File1->pattern(), QStringLiteral("*.alb"));
    QCOMPARE(w.controls().File1->names(), QStringList({"ab.alb", "noalb.alb"}));
    QVERIFY(w.controls().Command7->isEnabled());
    QVERIFY(!w.controls().Command4->isEnabled());
    QVERIFY(!w.controls().Command5->isEnabled());
    QVERIFY(!w.controls().Command6->isEnabled());

    // A loaded album holds the album mode the same way.
    w.double_click_file(QStringLiteral("ab.alb"));
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.txt"}));
    w.dialogs.clear();
    w.dialogs.answers.enqueue(MessageAnswer::No);
    w.click_option(1);
    QCOMPARE(w.dialogs.texts(), QStringList({kListQuestion}));
    QVERIFY(w.controls().Option1[2]->isChecked());
    QCOMPARE(w.state().select_mode, QStringLiteral("ledit"));
    QCOMPARE(w.controls().File1->pattern(), QStringLiteral("*.alb"));
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.txt"}));

    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.click_option(0);
    QCOMPARE(w.state().select_mode, QStringLiteral("simple"));
    QVERIFY(w.entries().isEmpty());
}

void TestModes::reselecting_the_current_mode_keeps_the_list()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.click_option(1);
    w.add_files({QStringLiteral("a.rav")});
    w.click_file(QStringLiteral("b.txt"));
    QVERIFY(!w.state().target_file.isEmpty());
    w.dialogs.clear();

    w.click_option(1);

    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.entries(), QStringList({"a.rav"}));
    QCOMPARE(w.state().select_mode, QStringLiteral("lselect"));
    QVERIFY(w.state().target_file.isEmpty());
    QCOMPARE(w.status_text(), QStringLiteral("対象ファイル："));
    QCOMPARE(w.controls().File1->selected_index(), -1);
}

void TestModes::album_with_empty_first_line_is_not_in_use()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.click_option(2);
    w.double_click_file(QStringLiteral("noalb.alb"));
    // Loading stops at the empty line: nothing is left behind to resurface later.
    QVERIFY(w.rows().isEmpty());
    w.dialogs.clear();

    w.click_option(0);
    w.click(w.controls().Command6);

    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.state().select_mode, QStringLiteral("simple"));
    QVERIFY(w.entries().isEmpty());
}

void TestModes::clear_button_asks_only_with_a_list_in_use()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.click_option(1);
    w.click(w.controls().Command6);
    QVERIFY(w.dialogs.messages.isEmpty());

    w.add_files({QStringLiteral("a.rav"), QStringLiteral("b.txt")});
    w.dialogs.clear();
    w.dialogs.answers.enqueue(MessageAnswer::No);
    w.click(w.controls().Command6);
    QCOMPARE(w.dialogs.messages.size(), 1);
    expect_question(w.dialogs.messages[0], kListQuestion);
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.txt"}));

    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.click(w.controls().Command6);
    QVERIFY(w.entries().isEmpty());
    QCOMPARE(w.controls().List1->count(), 0);
    QCOMPARE(w.state().play_list.list_count, 0);
}

void TestModes::double_click_follows_the_mode()
{
    StartedWindow w({.show = true});
    make_tunes(w);

    w.click_option(1);
    w.double_click_file(QStringLiteral("b.txt"));
    QCOMPARE(w.entries(), QStringList({"b.txt"}));
    QCOMPARE(w.rows(), QStringList({"b.txt"}));

    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.click_option(2);
    QCOMPARE(w.dialogs.texts(), QStringList({kListQuestion}));
    QVERIFY(w.entries().isEmpty());
    QCOMPARE(w.controls().List1->count(), 0);
    w.double_click_file(QStringLiteral("ab.alb"));
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.txt"}));
    QCOMPARE(w.rows(), QStringList({"a.rav", "b.txt"}));
}

void TestModes::abnormal_mode_is_reported()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.state().select_mode = QStringLiteral("broken");

    w.double_click_file(QStringLiteral("a.rav"));
    QCOMPARE(w.dialogs.texts(), QStringList({"状態が異常です"}));
    QVERIFY(w.entries().isEmpty());
    QVERIFY(w.system.starts.isEmpty());

    // A folder change is reported too, then goes ahead.
    w.dialogs.clear();
    w.open_folder(w.temp.path());
    QCOMPARE(w.dialogs.texts(), QStringList({"状態が異常です"}));
    QCOMPARE(w.state().current_folder, QDir::toNativeSeparators(w.temp.path()));
    QCOMPARE(w.controls().File1->path(), QDir::toNativeSeparators(w.temp.path()));
}

void TestModes::folder_change_in_list_mode()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    const QString top = QDir::toNativeSeparators(w.temp.path());
    const QString other = QDir::toNativeSeparators(w.path(QStringLiteral("other")));
    w.click_option(1);

    // With an empty list the file list simply follows.
    w.open_folder(top);
    w.open_folder(other);
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.controls().File1->names(), QStringList({"c.rav"}));
    QCOMPARE(w.state().current_folder, other);

    w.add_files({QStringLiteral("c.rav")});
    w.dialogs.answers.enqueue(MessageAnswer::No);
    w.open_folder(top);
    QCOMPARE(w.dialogs.messages.size(), 1);
    expect_question(w.dialogs.messages[0], kFolderQuestion);
    QCOMPARE(w.controls().Dir1->path(), other);
    QCOMPARE(w.controls().File1->path(), other);
    QCOMPARE(w.controls().File1->names(), QStringList({"c.rav"}));
    QCOMPARE(w.state().current_folder, other);
    QCOMPARE(w.entries(), QStringList({"c.rav"}));

    w.dialogs.clear();
    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.open_folder(top);
    QCOMPARE(w.dialogs.texts(), QStringList({kFolderQuestion}));
    QCOMPARE(w.controls().Dir1->path(), top);
    QCOMPARE(w.controls().File1->path(), top);
    QCOMPARE(w.state().current_folder, top);
    QVERIFY(w.entries().isEmpty());
    QCOMPARE(w.controls().List1->count(), 0);
}

void TestModes::folder_change_keeps_the_target()
{
    StartedWindow w({.show = true});
    make_tunes(w);
    w.click_file(QStringLiteral("a.rav"));
    const QString target = QDir::toNativeSeparators(w.path(QStringLiteral("tunes/a.rav")));
    QCOMPARE(w.state().target_file, target);

    w.open_folder(w.temp.path());
    w.open_folder(w.path(QStringLiteral("other")));
    QCOMPARE(w.controls().File1->names(), QStringList({"c.rav"}));
    QCOMPARE(w.state().target_file, target);
    QCOMPARE(w.status_text(), QStringLiteral("対象ファイル：") + target);

    // Nothing is selected in the new folder, so nothing is added although a target is set.
    w.click_option(1);
    w.click_file(QStringLiteral("c.rav"));
    w.open_folder(w.temp.path());
    w.dialogs.clear();
    w.click(w.controls().Command5);
    QCOMPARE(w.dialogs.texts(), QStringList({"ファイルを選択してください"}));
    QVERIFY(w.entries().isEmpty());
}

// Two folders standing in for drives: A holds the album and its tunes, B another folder.
struct FakeDrives {
    explicit FakeDrives(StartedWindow& w, const QStringList& extra = {})
    {
        a = w.make_folder(QStringLiteral("driveA"));
        b = w.make_folder(QStringLiteral("driveB"));
        QStringList roots{QStringLiteral("/"), a, b};
        roots << extra;
        w.system.drive_folders = roots;
        w.controls().Drive1->set_system(w.system);
    }
    QString a;
    QString b;
};

void TestModes::album_mode_revert_returns_folder_and_drive()
{
    StartedWindow w({.show = true});
    FakeDrives drives(w);
    w.write_file(QStringLiteral("driveA/music/x.rav"), "X");
    w.write_file(QStringLiteral("driveA/music/x.alb"), "x.rav\r\n");
    w.make_folder(QStringLiteral("driveB/songs"));
    w.choose_drive(drives.b);
    w.open_folder(QDir::toNativeSeparators(drives.b + QStringLiteral("/songs")));
    w.choose_drive(drives.a);
    const QString music = QDir::toNativeSeparators(drives.a + QStringLiteral("/music"));
    w.open_folder(music);
    QCOMPARE(w.controls().Dir1->path(), music);
    // The folder list starts at the drive's root.
    QCOMPARE(w.controls().Dir1->item(0)->data(Qt::UserRole).toString(), drives.a);

    w.click_option(2);
    w.double_click_file(QStringLiteral("x.alb"));
    QCOMPARE(w.entries(), QStringList({"x.rav"}));
    w.dialogs.clear();

    // Another folder of the same drive, declined.
    w.dialogs.answers.enqueue(MessageAnswer::No);
    w.open_folder(drives.a);
    QCOMPARE(w.dialogs.messages.size(), 1);
    expect_question(w.dialogs.messages[0], kAlbumQuestion);
    QCOMPARE(w.controls().Dir1->path(), music);
    QCOMPARE(w.controls().File1->path(), music);

    // Another drive, declined: folder list and drive list both come back, one question.
    w.dialogs.clear();
    w.dialogs.answers.enqueue(MessageAnswer::No);
    w.choose_drive(drives.b);
    QCOMPARE(w.dialogs.texts(), QStringList({kAlbumQuestion}));
    QCOMPARE(w.controls().Dir1->path(), music);
    QCOMPARE(w.controls().Drive1->drive(), drives.a);
    QCOMPARE(w.controls().File1->names(), QStringList({"x.alb"}));
    QCOMPARE(w.entries(), QStringList({"x.rav"}));
    QCOMPARE(w.rows(), QStringList({"x.rav"}));

    // Accepted: the list is cleared and the drive's last folder shows.
    w.dialogs.clear();
    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.choose_drive(drives.b);
    QCOMPARE(w.dialogs.texts(), QStringList({kAlbumQuestion}));
    QCOMPARE(w.controls().Dir1->path(), QDir::toNativeSeparators(drives.b + QStringLiteral("/songs")));
    QCOMPARE(w.state().current_folder, QDir::toNativeSeparators(drives.b + QStringLiteral("/songs")));
    QVERIFY(w.entries().isEmpty());
}

void TestModes::unavailable_drive_keeps_the_folder()
{
    StartedWindow w({.show = true});
    const QString gone = QDir::toNativeSeparators(w.path(QStringLiteral("gone")));
    FakeDrives drives(w, {gone});
    w.write_file(QStringLiteral("driveA/m/x.rav"), "X");
    const QString m = QDir::toNativeSeparators(drives.a + QStringLiteral("/m"));
    w.choose_drive(drives.a);
    w.open_folder(m);
    QCOMPARE(w.controls().File1->names(), QStringList({"x.rav"}));
    w.dialogs.clear();

    w.choose_drive(gone);

    QCOMPARE(w.dialogs.messages.size(), 1);
    QCOMPARE(w.dialogs.messages[0].text, QStringLiteral("選択したドライブは現在使えません。"));
    QCOMPARE(w.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(w.dialogs.messages[0].icon, MessageIcon::None);
    QCOMPARE(w.controls().Dir1->path(), m);
    QCOMPARE(w.controls().File1->path(), m);
    QCOMPARE(w.controls().File1->names(), QStringList({"x.rav"}));
    QCOMPARE(w.controls().Drive1->drive(), gone);
}

void TestModes::drive_change_shows_the_drives_last_folder()
{
    StartedWindow w({.show = true});
    FakeDrives drives(w);
    w.make_folder(QStringLiteral("driveA/one/two"));
    w.write_file(QStringLiteral("driveB/y.rav"), "Y");
    w.choose_drive(drives.a);
    w.open_folder(QDir::toNativeSeparators(drives.a + QStringLiteral("/one")));
    w.open_folder(QDir::toNativeSeparators(drives.a + QStringLiteral("/one/two")));

    // A drive not visited yet opens at its root.
    w.choose_drive(drives.b);
    QCOMPARE(w.controls().Dir1->path(), drives.b);
    QCOMPARE(w.controls().File1->names(), QStringList({"y.rav"}));

    w.choose_drive(drives.a);
    QCOMPARE(w.controls().Dir1->path(), QDir::toNativeSeparators(drives.a + QStringLiteral("/one/two")));

    // A last folder that has gone falls back to the root.
    w.choose_drive(drives.b);
    QDir(QDir::toNativeSeparators(drives.a + QStringLiteral("/one"))).removeRecursively();
    w.choose_drive(drives.a);
    QCOMPARE(w.controls().Dir1->path(), drives.a);
    QVERIFY(w.dialogs.messages.isEmpty());
}

void TestModes::vanished_volume_is_not_available()
{
#ifdef Q_OS_WIN
    // Drive letters, each its volume's root; C: is always there, and a folder is no drive.
    DesktopServices desktop;
    const QStringList roots = desktop.drives();
    QVERIFY2(roots.contains(QStringLiteral("C:\\")), qPrintable(roots.join(u' ')));
    for (const QString& root : roots)
        QVERIFY2(root.size() == 3 && root.endsWith(QStringLiteral(":\\")), qPrintable(root));
    QVERIFY(desktop.drive_available(QStringLiteral("C:\\")));
    QCOMPARE(drive_root_of(QStringLiteral("c:\\music\\a.rav"), roots, DesktopSystem::Windows),
             QStringLiteral("C:\\"));
#else
    QTemporaryDir dir;
    DesktopServices desktop;
    QCOMPARE(desktop.drives().first(), QStringLiteral("/"));
    QVERIFY(desktop.drive_available(QStringLiteral("/")));
    // A folder that is no volume's root is what a mount point becomes once its volume
    // has gone: not the drive any more.
    QVERIFY(!desktop.drive_available(dir.path()));
    QVERIFY(!desktop.drive_available(dir.filePath(QStringLiteral("missing"))));
    QCOMPARE(drive_root_of(dir.filePath(QStringLiteral("a/b")), {QStringLiteral("/"), dir.path()},
                           DesktopSystem::OtherUnix),
             dir.path());
    QCOMPARE(drive_root_of(dir.path() + QStringLiteral("x"), {QStringLiteral("/"), dir.path()},
                           DesktopSystem::OtherUnix),
             QStringLiteral("/"));
    // This system's editor, through the same services.
#ifdef Q_OS_LINUX
    QCOMPARE(desktop.default_editor(), QStringLiteral("xdg-open"));
#endif
#endif
}

void TestModes::file_list_shows_matching_files_by_name()
{
    StartedWindow w({.show = true});
    // Names that differ only in case are two files only where names are case-sensitive, and a
    // leading dot hides a file only on Unix.
#ifdef Q_OS_WIN
    const QStringList names{"b.RAV", "A.rav", "c.txt", "d.mp3", "rav", ".dot.rav"};
    QStringList expected{".dot.rav", "A.rav", "b.RAV", "c.txt"};
#else
    const QStringList names{"b.RAV", "A.rav", "a.rav", "c.txt", "d.mp3", "rav", ".hidden.rav"};
    QStringList expected{"A.rav", "a.rav", "b.RAV", "c.txt"};
#endif
    for (const QString& name : names)
        w.write_file(QStringLiteral("f/") + name, "x");
    w.make_folder(QStringLiteral("f/folder.rav"));
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(w.path(QStringLiteral("f/c.txt")), w.path(QStringLiteral("f/link.txt"))));
    QVERIFY(QFile::link(w.path(QStringLiteral("f/none")), w.path(QStringLiteral("f/dangling.rav"))));
#endif
    w.open_folder(w.path(QStringLiteral("f")));

#ifdef Q_OS_UNIX
    expected << "link.txt";
#endif
    QCOMPARE(w.controls().File1->names(), expected);
    // The folder list has the subfolder, whatever its name looks like.
    QCOMPARE(w.controls().Dir1->item(w.controls().Dir1->count() - 1)->data(Qt::UserRole).toString(),
             QDir::toNativeSeparators(w.path(QStringLiteral("f/folder.rav"))));
}

#ifdef Q_OS_LINUX
// A folder "deep/…" whose path comes close to the system's limit of 4,096 bytes, with a
// subfolder whose path goes past it (made through the parent's descriptor, since no path
// reaches it); removed again the same way, as nothing else can reach it.
struct DeepFolder {
    QString path;
    QString child;
    int fd = -1;
    QByteArray child_name = QByteArray(200, 'c');

    explicit DeepFolder(const QString& base) : path(base + QStringLiteral("/deep"))
    {
        QDir().mkpath(path);
        while (path.toUtf8().size() < 3900) {
            path += QLatin1Char('/') + QString(250, QLatin1Char('d'));
            QDir().mkdir(path);
        }
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0)
            ::mkdirat(fd, child_name.constData(), 0755);
        child = path + QLatin1Char('/') + QString::fromLatin1(child_name);
    }
    ~DeepFolder()
    {
        if (fd >= 0) {
            ::unlinkat(fd, child_name.constData(), AT_REMOVEDIR);
            ::close(fd);
        }
    }
};
#endif

void TestModes::folder_that_cannot_be_opened_data()
{
    QTest::addColumn<QString>("reason");
    QTest::newRow("deleted since listed") << QStringLiteral("フォルダが見つかりません。");
#ifdef Q_OS_LINUX
    QTest::newRow("path over 4096 bytes") << QStringLiteral("パスが長すぎます。");
#endif
}

void TestModes::folder_that_cannot_be_opened()
{
    QFETCH(QString, reason);
    StartedWindow w({.show = true});
    make_tunes(w); // in "tunes"
    w.click_file(QStringLiteral("a.rav"));
    QString folder = w.make_folder(QStringLiteral("tunes/gone"));
#ifdef Q_OS_LINUX
    std::unique_ptr<DeepFolder> deep;
    if (QTest::currentDataTag() == QByteArray("path over 4096 bytes")) {
        deep = std::make_unique<DeepFolder>(w.path(QStringLiteral("tunes")));
        QVERIFY(deep->child.toUtf8().size() > 4096);
        w.write_file(deep->path.mid(w.temp.path().size() + 1) + QStringLiteral("/d.rav"), "D");
        QVERIFY(w.controls().Dir1->set_path(deep->path));
        folder = deep->child;
    }
#endif
    FolderList* dirs = w.controls().Dir1;
    dirs->refresh();
    const QString shown = dirs->path();
    const QString target = w.state().target_file;
    const QStringList files = w.controls().File1->names();
    const bool deleted = QTest::currentDataTag() == QByteArray("deleted since listed");
    if (deleted)
        QVERIFY(QDir(folder).removeRecursively());

    w.open_folder(folder, false);

    QCOMPARE(w.dialogs.texts(),
             QStringList{QStringLiteral("フォルダを開けませんでした。\r") + folder + '\r' + reason});
    QCOMPARE(w.dialogs.messages[0].buttons, MessageButtons::Ok);
    // Nothing else changed; a deleted folder's row is gone.
    QCOMPARE(dirs->path(), shown);
    QCOMPARE(w.state().current_folder, shown);
    QCOMPARE(w.controls().File1->path(), shown);
    QCOMPARE(w.controls().File1->names(), files);
    QCOMPARE(w.state().target_file, target);
    bool listed = false;
    for (int i = 0; i < dirs->count(); ++i)
        listed = listed || dirs->item(i)->data(Qt::UserRole).toString() == folder;
    QCOMPARE(listed, !deleted);
}

void TestModes::control_characters_shown_visibly()
{
#ifdef Q_OS_WIN
    QSKIP("Windows file names cannot hold control characters");
#endif
    StartedWindow w({.show = true});
    const QString folder = w.make_folder(QStringLiteral("曲\n集"));
    w.write_file(QStringLiteral("曲\n集/a\tb.rav"), "x");
    w.open_folder(folder);
    QCOMPARE(w.controls().Dir1->path(), folder);
    QVERIFY(w.controls().Dir1->currentItem()->text().endsWith(QStringLiteral("曲\u240A集")));
    FileList* files = w.controls().File1;
    QCOMPARE(files->names(), QStringList{QStringLiteral("a\tb.rav")});
    QCOMPARE(files->model()->index(0, 0).data().toString(), QStringLiteral("a\u2409b.rav"));

    w.click_file(QStringLiteral("a\tb.rav"));
    const QString target = folder + QStringLiteral("/a\tb.rav");
    QCOMPARE(w.state().target_file, target); // the real path
    QCOMPARE(w.status_text(), QStringLiteral("対象ファイル：") + visible_controls(target));
    QVERIFY(!w.status_text().contains(QLatin1Char('\n')));
    QCOMPARE(w.controls().Text1->toPlainText(), QStringLiteral("x"));
}

QTEST_MAIN(TestModes)
#include "test_modes.moc"
