// Start-up and shutdown of the main window, and the options dialog, each in its own start
// folder with scripted dialogs.

#include "drive_list.h"
#include "fifos.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_window.h"
#include "modal_robot.h"
#include "options_dialog.h"
#include "settings.h"
#include "started_window.h"
#include "test_files.h"
#include "text_codec.h"
#include "twips.h"
#include "window_placement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kPaths = "[RavFiler]\r\nRavu=/opt/ravu/ravu\r\nEdit=/usr/bin/editor\r\n";

// A start of the program that the test makes itself, in a folder with no settings file
// unless the test writes one.
const StartOptions kUnstarted{.settings = std::nullopt, .load = false};

MainWindow& start(StartedWindow& run)
{
    run.load();
    return *run.window;
}

// Through the program's own conversion: Qt has no CP932 converter of its own on Windows.
QByteArray cp932(const QString& text) { return cp932_encode(text).value_or(QByteArray("<no CP932>")); }

QStringList keys_of(const QByteArray& ini)
{
    QStringList keys;
    for (const QByteArray& line : ini.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            keys << QString::fromUtf8(line.left(eq));
    }
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(StoredFrame)
Q_DECLARE_METATYPE(DesktopSystem)

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void first_run_cancelled_twice();
    void first_run_confirmed_with_empty_fields();
    void stored_switches_become_canonical();
    void geometry_restored_key_by_key_data();
    void geometry_restored_key_by_key();
    void geometry_not_restored_data();
    void geometry_not_restored();
    void usable_stored_frame_data();
    void usable_stored_frame();
    void last_folder_restored_or_reported();
    void closing_by_menu_or_window_ends_once();
    void unwritable_settings_file_is_reported_once();
    void settings_file_that_is_no_file_data();
    void settings_file_that_is_no_file();
    void cp932_settings_file_kept_byte_for_byte();
    void last_folder_of_any_name_restored_data();
    void last_folder_of_any_name_restored();
    void options_dialog_reads_file_and_writes_all_keys();
    void options_dialog_cancel_and_browse_data();
    void options_dialog_cancel_and_browse();
};

void TestStartup::first_run_cancelled_twice()
{
    StartedWindow run(kUnstarted);
    ModalRobot<OptionsDialog> robot(
        {[](OptionsDialog& d) { d.Command2->click(); }, [](OptionsDialog& d) { d.Command2->click(); }});
    MainWindow& w = start(run);
    QCOMPARE(robot.seen(), 2);
    QCOMPARE(w.state().player_path, QStringLiteral("ravu.exe"));
    QVERIFY(!w.state().editor_path.isEmpty());
    QCOMPARE(w.state().save_position, QStringLiteral("0"));
    QVERIFY(w.state().play_switch.isEmpty() && w.state().end_switch.isEmpty()
            && w.state().exit_switch.isEmpty() && w.state().icon_switch.isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Ravu Filer Ver2.00"));
    QCOMPARE(w.controls().Label6->text(), QStringLiteral("simple"));
    QCOMPARE(w.controls().panels[0]->text(), QStringLiteral("対象ファイル："));
    QCOMPARE(w.controls().panels[2]->text(),
             QStringLiteral("実行時ディレクトリ：") + QDir::toNativeSeparators(run.temp.path()));
    QVERIFY(!w.controls().Command5->isEnabled() && !w.controls().Command7->isEnabled());
    QVERIFY(!QFile::exists(run.ini()));

    w.show();
    w.close();
    QCOMPARE(run.ended, 1);
    QCOMPARE(keys_of(read_file(run.ini())),
             (QStringList{"Lastpath", "PreTop", "PreLeft", "PreHeight", "PreWidth"}));
    QCOMPARE(run.setting("Lastpath"), QDir::toNativeSeparators(run.temp.path()));
    QCOMPARE(run.setting("PreLeft"), QStringLiteral("300"));
}

void TestStartup::first_run_confirmed_with_empty_fields()
{
    StartedWindow run(kUnstarted);
    ModalRobot<OptionsDialog> robot({[](OptionsDialog& d) { d.Command1->click(); }});
    MainWindow& w = start(run);
    QCOMPARE(robot.seen(), 1);
    QCOMPARE(read_file(run.ini()), QByteArray("[RavFiler]\r\nRavu=\r\nEdit=\r\nSvPosit=0\r\n"));
    QCOMPARE(w.state().player_path, QString());
    QCOMPARE(w.state().editor_path, QString());
    QCOMPARE(w.controls().Label1->text(), QStringLiteral("ravu本体のパス："));
}

void TestStartup::stored_switches_become_canonical()
{
    StartedWindow run(kUnstarted);
    write_file(run.ini(), kPaths + "PlayOpt=yes\r\nEndOpt=\r\nExitOpt=*X\r\n");
    MainWindow& w = start(run);
    QVERIFY(w.controls().Check1->isChecked());
    QCOMPARE(w.state().play_switch, QStringLiteral("*P"));
    QCOMPARE(run.setting("PlayOpt"), QStringLiteral("*P"));
    QVERIFY(!w.controls().Check2->isChecked());
    QCOMPARE(w.state().end_switch, QString());
    QCOMPARE(run.setting("EndOpt"), QString()); // an empty value stays as it was
    QVERIFY(w.controls().Check3->isChecked());
    QVERIFY(!w.controls().Check4->isChecked());
    QCOMPARE(run.setting("IconOpt"), QStringLiteral("ERR")); // never written at start-up

    // A click stores at once, also when the box is cleared.
    QTest::mouseClick(w.controls().Check1, Qt::LeftButton, {}, QPoint(4, w.controls().Check1->height() / 2));
    QCOMPARE(w.state().play_switch, QString());
    QCOMPARE(run.setting("PlayOpt"), QString());
}

void TestStartup::geometry_restored_key_by_key_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("all present") << QString();
    for (const char* key : {"PreTop", "PreLeft", "PreHeight", "PreWidth"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestStartup::geometry_restored_key_by_key()
{
    QFETCH(QString, missing);
    // The designed geometry, for the keys that are missing.
    StartedWindow plain(kUnstarted);
    write_file(plain.ini(), kPaths);
    MainWindow& designed = start(plain);

    StartedWindow run(kUnstarted);
    QByteArray ini = kPaths + "SvPosit=1\r\n";
    const QList<QPair<QString, QByteArray>> stored = {
        {"PreTop", "1500"}, {"PreLeft", "3000"}, {"PreHeight", "6000"}, {"PreWidth", "9000"}};
    for (const auto& [key, value] : stored)
        if (key != missing)
            ini += key.toLatin1() + "=" + value + "\r\n";
    write_file(run.ini(), ini);
    MainWindow& w = start(run);
    QCOMPARE(px_to_twips(w.frameGeometry().top()),
             missing == "PreTop" ? px_to_twips(designed.frameGeometry().top()) : 1500.0);
    QCOMPARE(px_to_twips(w.frameGeometry().left()), missing == "PreLeft" ? 300.0 : 3000.0);
    QCOMPARE(px_to_twips(w.frameGeometry().height()),
             missing == "PreHeight" ? px_to_twips(designed.frameGeometry().height()) : 6000.0);
    QCOMPARE(px_to_twips(w.frameGeometry().width()),
             missing == "PreWidth" ? px_to_twips(designed.frameGeometry().width()) : 9000.0);
}

void TestStartup::geometry_not_restored_data()
{
    // Stored top, left and width; the left edge and width the window opens with.
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("width");
    QTest::newRow("maximised") << QByteArray("PreTop=-60\r\nPreLeft=3000\r\nPreWidth=9000") << 300.0
                               << 10725.0;
    QTest::newRow("minimised") << QByteArray("PreTop=45000\r\nPreLeft=3000\r\nPreWidth=9000") << 300.0
                               << 10725.0;
    QTest::newRow("title bar off every screen")
        << QByteArray("PreTop=1500\r\nPreLeft=900000\r\nPreWidth=9000") << 300.0 << 9000.0;
    QTest::newRow("wider than ten screens")
        << QByteArray("PreTop=1500\r\nPreLeft=3000\r\nPreWidth=1e9") << 3000.0 << 10725.0;
    QTest::newRow("narrower than a pixel")
        << QByteArray("PreTop=1500\r\nPreLeft=3000\r\nPreWidth=0") << 3000.0 << 10725.0;
}

void TestStartup::geometry_not_restored()
{
    QFETCH(QByteArray, stored);
    QFETCH(double, left);
    QFETCH(double, width);
    StartedWindow run(kUnstarted);
    write_file(run.ini(), kPaths + "SvPosit=1\r\n" + stored + "\r\n");
    MainWindow& w = start(run);
    QCOMPARE(px_to_twips(w.frameGeometry().left()), left);
    QCOMPARE(px_to_twips(w.frameGeometry().width()), width);
}

void TestStartup::usable_stored_frame_data()
{
    // Two screens side by side, 1280 x 1024 pixels each, in twips; the window's frame is
    // 10725 twips wide at 4500, 3735 when nothing is stored.
    const QList<QRectF> two_screens{{0, 0, 19200, 15360}, {19200, 0, 19200, 15360}};
    QTest::addColumn<QList<QRectF>>("screens");
    QTest::addColumn<StoredFrame>("stored");
    QTest::addColumn<StoredFrame>("usable");
    const StoredFrame fine{1500, 3000, 7500, 12000};
    QTest::newRow("all usable") << two_screens << fine << fine;
    QTest::newRow("on the second screen")
        << two_screens << StoredFrame{1500, 30000, 7500, 12000} << StoredFrame{1500, 30000, 7500, 12000};
    QTest::newRow("title bar partly above the screen")
        << two_screens << StoredFrame{-200, 3000, 7500, 12000} << StoredFrame{-200, 3000, 7500, 12000};
    QTest::newRow("title bar wholly above the screen")
        << two_screens << StoredFrame{-300, 3000, 7500, 12000} << StoredFrame{{}, {}, 7500, 12000};
    QTest::newRow("left of every screen, only its edge stored")
        << two_screens << StoredFrame{{}, -20000, {}, {}} << StoredFrame{};
    QTest::newRow("the monitor on the right gone")
        << QList<QRectF>{two_screens[0]} << StoredFrame{1500, 30000, 7500, 12000}
        << StoredFrame{{}, {}, 7500, 12000};
    QTest::newRow("too wide, so judged by the present width")
        << two_screens << StoredFrame{1500, -14000, 7500, 1e9} << StoredFrame{{}, {}, 7500, {}};
    QTest::newRow("ten screens high is still a size")
        << two_screens << StoredFrame{{}, {}, 153600, 192000} << StoredFrame{{}, {}, 153600, 192000};
    QTest::newRow("below a pixel, or no number")
        << two_screens << StoredFrame{1500, 3000, 14, qQNaN()} << StoredFrame{1500, 3000, {}, {}};
    QTest::newRow("no screens known")
        << QList<QRectF>{} << StoredFrame{1e9, -1e9, 0, 1e9} << StoredFrame{1e9, -1e9, {}, 1e9};
}

void TestStartup::usable_stored_frame()
{
    QFETCH(QList<QRectF>, screens);
    QFETCH(StoredFrame, stored);
    QFETCH(StoredFrame, usable);
    const StoredFrame got = usable_frame(stored, QRectF(4500, 3735, 10725, 7500), screens);
    QCOMPARE(got.top, usable.top);
    QCOMPARE(got.left, usable.left);
    QCOMPARE(got.height, usable.height);
    QCOMPARE(got.width, usable.width);
}

void TestStartup::last_folder_restored_or_reported()
{
    QTemporaryDir elsewhere;
    QVERIFY(write_file(elsewhere.filePath("a.rav"), "cde\r\n"));
    {
        StartedWindow run(kUnstarted);
        write_file(run.ini(), kPaths + "Lastpath=" + elsewhere.path().toUtf8() + "\r\n");
        MainWindow& w = start(run);
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(w.controls().Dir1->path(), QDir::toNativeSeparators(elsewhere.path()));
        QCOMPARE(w.controls().File1->path(), QDir::toNativeSeparators(elsewhere.path()));
        QCOMPARE(w.controls().File1->names(), QStringList{"a.rav"});
        QCOMPARE(w.state().current_folder, QDir::toNativeSeparators(elsewhere.path()));
    }
    {
        StartedWindow run(kUnstarted);
        write_file(run.ini(), kPaths + "Lastpath=" + elsewhere.path().toUtf8() + "/gone\r\n");
        MainWindow& w = start(run);
        QCOMPARE(run.dialogs.texts(), QStringList{"Lastpath was no there."});
        const RecordedMessage& box = run.dialogs.messages.first();
        QVERIFY(box.buttons == MessageButtons::Ok && box.icon == MessageIcon::None && box.title.isEmpty());
        QCOMPARE(w.controls().Dir1->path(), QDir::toNativeSeparators(run.temp.path()));
        QCOMPARE(w.state().current_folder, QDir::toNativeSeparators(run.temp.path()));
    }
}

void TestStartup::closing_by_menu_or_window_ends_once()
{
    StartedWindow run(kUnstarted);
    write_file(run.ini(), kPaths);
    MainWindow& w = start(run);
    w.show();
    w.controls().mnuEnd->trigger();
    QCOMPARE(run.ended, 1);
    QVERIFY(!w.isVisible());
    w.close();
    QCOMPARE(run.ended, 1);
    QCOMPARE(run.setting("Lastpath"), QDir::toNativeSeparators(run.temp.path()));
}

void TestStartup::unwritable_settings_file_is_reported_once()
{
    StartedWindow run(kUnstarted);
    // A folder where the settings file should be: reads find nothing, writes fail.
    QVERIFY(QDir(run.temp.path()).mkdir("ravfiler.ini"));
    ModalRobot<OptionsDialog> robot({[](OptionsDialog& d) {
                                         d.Text1->setText("/opt/player");
                                         d.Command1->click();
                                     },
                                     [](OptionsDialog& d) { d.Command2->click(); }});
    MainWindow& w = start(run);
    QCOMPARE(robot.seen(), 2); // the key could not be stored, so the editor asks again
    QCOMPARE(w.state().player_path, QStringLiteral("/opt/player"));
    w.controls().Check3->click();
    QCOMPARE(w.state().exit_switch, QStringLiteral("*X"));
    w.show();
    w.close();
    QCOMPARE(run.ended, 1);
    QVERIFY(QFileInfo(run.ini()).isDir());
    // The first failed write of the run is told, with the file and the reason; no other.
    QCOMPARE(run.dialogs.texts(),
             QStringList{QStringLiteral("設定ファイルに書き込めませんでした。\r") + run.ini()
                         + QStringLiteral("\r通常のファイルではありません")});
    QCOMPARE(run.dialogs.messages[0].buttons, MessageButtons::Ok);
}

void TestStartup::settings_file_that_is_no_file_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
#ifndef Q_OS_WIN // a link there is a shortcut file, no device
    QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
#endif
}

void TestStartup::settings_file_that_is_no_file()
{
    QFETCH(QString, kind);
    StartedWindow run(kUnstarted);
    if (kind == QStringLiteral("fifo"))
        MAKE_FIFO_OR_SKIP(run.ini());
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), run.ini()));
    ModalRobot<OptionsDialog> robot(
        {[](OptionsDialog& d) { d.Command2->click(); }, [](OptionsDialog& d) { d.Command2->click(); }});
    // Neither waits for a writer nor reads without end: it counts as missing.
    MainWindow& w = start(run);
    QCOMPARE(robot.seen(), 2);
    QCOMPARE(w.state().player_path, QStringLiteral("ravu.exe"));
    w.show();
    w.close();
    QCOMPARE(run.ended, 1);
    QCOMPARE(run.dialogs.messages.size(), 1); // the shutdown's writes are refused, told once
    QVERIFY(!QFileInfo(run.ini()).isFile());
}

void TestStartup::cp932_settings_file_kept_byte_for_byte()
{
    StartedWindow run(kUnstarted);
    const QString old_folder =
        QDir::toNativeSeparators(QDir(run.temp.path()).filePath(QStringLiteral("曲フォルダ")));
    const QString new_folder =
        QDir::toNativeSeparators(QDir(run.temp.path()).filePath(QStringLiteral("新しい曲")));
    QVERIFY(QDir().mkpath(old_folder) && QDir().mkpath(new_folder));
    const QByteArray head = "; " + cp932(QStringLiteral("設定")) + "\r\n[Foreign]\r\nname="
                            + cp932(QStringLiteral("日本語")) + "\r\nstray=\xff\r\n[RavFiler]\r\nRavu="
                            + cp932(QStringLiteral("C:\\ツール\\ravu.exe")) + "\r\nEdit=/usr/bin/editor\r\n";
    const QByteArray tail = "\r\n\r\n[Other]\r\nbytes=\x80\x80\r\n";
    write_file(run.ini(), head + "Lastpath=" + cp932(old_folder) + tail);
    MainWindow& w = start(run);
    QVERIFY(run.dialogs.messages.isEmpty());
    QCOMPARE(w.state().player_path, QStringLiteral("C:\\ツール\\ravu.exe"));
    QCOMPARE(w.controls().Dir1->path(), old_folder);
    QVERIFY(w.controls().Dir1->set_path(new_folder));
    w.show();
    w.close();

    // Only the line written changed, the geometry keys came after it, all in CP932.
    QByteArray geometry;
    for (const char* key : {"PreTop", "PreLeft", "PreHeight", "PreWidth"})
        geometry += QByteArray(key) + "=" + run.setting(key).toLatin1() + "\r\n";
    QCOMPARE(read_file(run.ini()), head + "Lastpath=" + cp932(new_folder) + "\r\n" + geometry + tail.mid(2));
    QVERIFY(run.dialogs.messages.isEmpty());
}

void TestStartup::last_folder_of_any_name_restored_data()
{
    QTest::addColumn<QString>("name");
    // Over 300 bytes in UTF-8 with the start folder, in two names of at most 255 bytes.
    QTest::newRow("long Japanese path") << QString(QStringLiteral("あ")).repeated(80) + QLatin1Char('/')
                                               + QString(QStringLiteral("い")).repeated(20);
#ifndef Q_OS_WIN // Windows drops a name's trailing blanks and allows no tab
    QTest::newRow("trailing blank") << QStringLiteral("music ");
    QTest::newRow("leading tab") << QStringLiteral("\tmusic");
#endif
}

void TestStartup::last_folder_of_any_name_restored()
{
    QFETCH(QString, name);
    StartedWindow first(kUnstarted);
    write_file(first.ini(), kPaths);
    const QString folder = QDir::toNativeSeparators(QDir(first.temp.path()).filePath(name));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(folder.toUtf8().size() > 300 || name.trimmed() != name);
    MainWindow& w = start(first);
    QVERIFY(w.controls().Dir1->set_path(folder));
    w.show();
    w.close();

    StartedWindow second({.settings = std::nullopt, .start_dir = first.start_dir, .load = false});
    MainWindow& again = start(second);
    QVERIFY(second.dialogs.messages.isEmpty());
    QCOMPARE(again.controls().Dir1->path(), folder);
}

void TestStartup::options_dialog_reads_file_and_writes_all_keys()
{
    StartedWindow run(kUnstarted);
    write_file(run.ini(), "[RavFiler]\r\nRavu=/from/file\r\nEdit=ERR\r\nSvPosit=2\r\n");
    {
        ModalRobot<OptionsDialog> at_start({[](OptionsDialog& d) { d.Command2->click(); }});
        run.load();
        QCOMPARE(at_start.seen(), 1); // "ERR" counts as missing
    }
    MainWindow& w = *run.window;
    w.state().player_path = QStringLiteral("/from/state");

    QString shown_player, shown_editor;
    bool ticked = true;
    ModalRobot<OptionsDialog> robot({[&](OptionsDialog& d) {
        shown_player = d.Text1->text();
        shown_editor = d.Text2->text();
        ticked = d.Check1->isChecked();
        d.Text2->setText("/new/editor");
        d.Command1->click();
    }});
    w.controls().mnuOpt->trigger();
    QCOMPARE(robot.seen(), 1);
    QCOMPARE(shown_player, QStringLiteral("/from/file"));
    QCOMPARE(shown_editor, QString());
    QVERIFY(!ticked);
    QCOMPARE(run.setting("Ravu"), QStringLiteral("/from/file"));
    QCOMPARE(run.setting("Edit"), QStringLiteral("/new/editor"));
    QCOMPARE(run.setting("SvPosit"), QStringLiteral("0"));
    QCOMPARE(w.state().player_path, QStringLiteral("/from/file"));
    QCOMPARE(w.controls().Label1->text(), QStringLiteral("ravu本体のパス：/from/file"));
    QCOMPARE(w.controls().Label2->text(), QStringLiteral("エディタのパス：/new/editor"));
}

// Programs are told by ".exe" on Windows, by their permission elsewhere.
void TestStartup::options_dialog_cancel_and_browse_data()
{
    QTest::addColumn<DesktopSystem>("system");
    QTest::addColumn<QString>("player_filter");
    QTest::addColumn<QString>("editor_filter");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("programs_first");
    QTest::newRow("Windows") << DesktopSystem::Windows << "Ravu本体 (*.exe)|*.exe|すべてのファイル (*)|*"
                             << "エディタ (*.exe)|*.exe|すべてのファイル (*)|*"
                             << "フルパス(\".exe\"迄)で指定してください" << false;
    QTest::newRow("other Unix") << DesktopSystem::OtherUnix << "Ravu本体 (*)|*|すべてのファイル (*)|*"
                                << "エディタ (*)|*|すべてのファイル (*)|*"
                                << "フルパス(ファイル名迄)で指定してください" << true;
}

void TestStartup::options_dialog_cancel_and_browse()
{
    QFETCH(DesktopSystem, system);
    QFETCH(QString, player_filter);
    QFETCH(QString, editor_filter);
    QFETCH(QString, hint);
    QFETCH(bool, programs_first);
    StartedWindow run(kUnstarted);
    write_file(run.ini(), kPaths);
    run.system.desktop = system;
    MainWindow& w = start(run);
    const QByteArray before = read_file(run.ini());
    // An existing program is the normal answer: it goes into the field with no question.
    const QString player = run.temp.filePath(QStringLiteral("player"));
    QVERIFY(write_file(player, "#!/bin/sh\n"));
    QVERIFY(QFile::setPermissions(player, QFile::permissions(player) | QFile::ExeOwner));

    run.dialogs.open_results.enqueue(std::nullopt);
    run.dialogs.open_results.enqueue(player);
    run.dialogs.open_results.enqueue(std::nullopt);
    run.dialogs.open_results.enqueue(QStringLiteral("/usr/bin/editor"));
    QString after_cancel, after_choice, editor, shown_hint;
    ModalRobot<OptionsDialog> robot({[&](OptionsDialog& d) {
        d.Command3->click();
        after_cancel = d.Text1->text();
        d.Command3->click();
        after_choice = d.Text1->text();
        d.Command3->click();
        d.Command4->click();
        editor = d.Text2->text();
        shown_hint = d.Label3->text();
        d.Command2->click();
    }});
    w.controls().mnuOpt->trigger();
    QCOMPARE(after_cancel, QStringLiteral("/opt/ravu/ravu"));
    QCOMPARE(after_choice, player);
    QCOMPARE(editor, QStringLiteral("/usr/bin/editor"));
    QCOMPARE(run.dialogs.texts(),
             (QStringList{"ファイルが指定されませんでした", "ファイルが指定されませんでした"}));
    QVERIFY(run.dialogs.save_requests.isEmpty());
    const QList<FileDialogRequest>& requests = run.dialogs.open_requests;
    QCOMPARE(requests.size(), 4);
    QCOMPARE(requests[0].title, QStringLiteral("Ravu本体のパス"));
    QCOMPARE(requests[3].title, QStringLiteral("エディタ本体のパス"));
    QCOMPARE(requests[2].initial_name, player);
    QCOMPARE(requests[0].filter, player_filter);
    QCOMPARE(requests[3].filter, editor_filter);
    QCOMPARE(shown_hint, hint);
    QCOMPARE(requests[0].programs_first, programs_first);
    QCOMPARE(requests[3].programs_first, programs_first);
    QCOMPARE(read_file(run.ini()), before); // cancel writes nothing
    QCOMPARE(w.state().player_path, QStringLiteral("/opt/ravu/ravu"));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
