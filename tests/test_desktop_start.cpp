// Started from the desktop menu: the start folder in the user's configuration folder, made
// when missing, and the lists at the home folder, with HOME and XDG_CONFIG_HOME pointed at
// temporary folders.

#include "file_list.h"
#include "folder_list.h"
#include "modal_robot.h"
#include "options_dialog.h"
#include "settings.h"
#include "start_folder.h"
#include "started_window.h"
#include "test_files.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestDesktopStart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void start_folder_data();
    void start_folder();
    void recent_folders_file_data();
    void recent_folders_file();

private:
    QTemporaryDir* m_temp = nullptr;
    QByteArray m_home;
    QByteArray m_config;
};

void TestDesktopStart::init()
{
    m_home = qgetenv("HOME");
    m_config = qgetenv("XDG_CONFIG_HOME");
    m_temp = new QTemporaryDir;
    QVERIFY(QDir(m_temp->path()).mkpath(QStringLiteral("home")));
    qputenv("HOME", m_temp->filePath(QStringLiteral("home")).toUtf8());
}

void TestDesktopStart::cleanup()
{
    qputenv("HOME", m_home);
    if (m_config.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_config);
    delete m_temp;
}

void TestDesktopStart::start_folder_data()
{
    QTest::addColumn<QString>("config_home"); // relative to the temporary folder; empty: unset
    QTest::addColumn<bool>("given_relative"); // config_home set as it is, a relative path
    QTest::addColumn<QString>("expected");    // the start folder, relative likewise; empty: none made
    QTest::newRow("configuration folder set") << "config" << false << "config/ravufiler";
    QTest::newRow("configuration folder unset") << QString() << false << "home/.config/ravufiler";
    QTest::newRow("configuration folder is a file") << "a file" << false << QString();
    // The base folder rules say to ignore a relative one.
    QTest::newRow("configuration folder relative") << "relcfg" << true << "home/.config/ravufiler";
}

void TestDesktopStart::start_folder()
{
    QFETCH(QString, config_home);
    QFETCH(bool, given_relative);
    QFETCH(QString, expected);
    const QString home = m_temp->filePath(QStringLiteral("home"));
    if (config_home.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", (given_relative ? config_home : m_temp->filePath(config_home)).toUtf8());
    QVERIFY(write_file(m_temp->filePath(QStringLiteral("a file")), "x"));

    const StartFolders folders = desktop_start_folders();
    if (expected.isEmpty()) {
        // Nothing can be made there: the terminal's behaviour, with a message saying why.
        QCOMPARE(folders.start_dir, QDir::currentPath());
        QCOMPARE(folders.list_folder, QDir::currentPath());
        QCOMPARE(folders.error, QDir::toNativeSeparators(m_temp->filePath(QStringLiteral("a file/ravufiler")))
                                    + QStringLiteral("を作成できませんでした。\r実行時ディレクトリ ")
                                    + QDir::toNativeSeparators(QDir::currentPath())
                                    + QStringLiteral(" に設定を保存します。"));
        return;
    }
    QCOMPARE(folders.start_dir, m_temp->filePath(expected));
    QVERIFY(QFileInfo(folders.start_dir).isDir());
    QCOMPARE(folders.list_folder, home);
    QVERIFY(folders.error.isEmpty());

    // A first run from there: the settings go into the start folder, the lists show home.
    {
        StartedWindow run({.settings = std::nullopt, .start_dir = folders.start_dir, .load = false});
        run.window->open_lists_at(folders.list_folder);
        ModalRobot<OptionsDialog> robot({[](OptionsDialog& d) { d.Command1->click(); }});
        run.load();
        QCOMPARE(robot.seen(), 1);
        QCOMPARE(run.controls().Dir1->path(), home);
        QCOMPARE(run.controls().File1->path(), home);
        QCOMPARE(run.state().current_folder, home);
        run.window->show();
        run.window->close();
        QCOMPARE(run.ended, 1);
    }
    const QString ini = QDir(folders.start_dir).filePath(QStringLiteral("ravfiler.ini"));
    QCOMPARE(read_setting(ini, QStringLiteral("Lastpath")), home);
    QCOMPARE(read_setting(ini, QStringLiteral("Ravu")), QString());
    QVERIFY(!QFile::exists(QDir(home).filePath(QStringLiteral("ravfiler.ini"))));
    QVERIFY(!QFileInfo::exists(QStringLiteral("relcfg")));
}

void TestDesktopStart::recent_folders_file_data()
{
    QTest::addColumn<QByteArray>("state_home"); // null: unset
    QTest::addColumn<QString>("expected");      // relative to the temporary folder
    QTest::newRow("unset") << QByteArray() << "home/.local/state/ravufiler/recent-folders";
    QTest::newRow("set") << QByteArray("state") << "state/ravufiler/recent-folders";
    QTest::newRow("relative") << QByteArray("relstate") << "home/.local/state/ravufiler/recent-folders";
}

void TestDesktopStart::recent_folders_file()
{
    QFETCH(QByteArray, state_home);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    if (state_home.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME",
                state_home == "state" ? m_temp->filePath(QStringLiteral("state")).toUtf8() : state_home);
    const QString file = ::recent_folders_file();
    qputenv("XDG_STATE_HOME", saved);
    if (saved.isNull())
        qunsetenv("XDG_STATE_HOME");
    QCOMPARE(file, m_temp->filePath(expected));
}

QTEST_MAIN(TestDesktopStart)
#include "test_desktop_start.moc"
