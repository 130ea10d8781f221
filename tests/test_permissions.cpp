// Files and folders the user may not read or write, as an unprivileged user sees them (for
// root every permission holds, so CTest runs this through run_unprivileged.sh): each gets a
// message that says what happened, and what is still there stays listed.

#include "file_list.h"
#include "folder_list.h"
#include "started_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Sets a file's or folder's permissions for the test and gives its owner full access back
// at the end, so the temporary folder can be removed.
class Permissions {
public:
    Permissions(const QString& path, QFileDevice::Permissions permissions) : m_path(path)
    {
        QFile::setPermissions(m_path, permissions);
    }
    ~Permissions()
    {
        QFile::setPermissions(m_path,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    Permissions(const Permissions&) = delete;
    Permissions& operator=(const Permissions&) = delete;

private:
    QString m_path;
};

constexpr QFileDevice::Permissions kNone;
constexpr QFileDevice::Permissions kReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner;

} // namespace

class TestPermissions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void unreadable_tune_keeps_its_row();
    void folder_without_permission_data();
    void folder_without_permission();
    void album_not_writable_data();
    void album_not_writable();
    void read_only_settings_file();
};

void TestPermissions::initTestCase()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        QSKIP("permissions do not hold for root; CTest runs this through run_unprivileged.sh");
#endif
}

void TestPermissions::unreadable_tune_keeps_its_row()
{
    StartedWindow w({.show = true});
    const QString open = w.write_file(QStringLiteral("open.rav"), "cde");
    const QString locked = w.write_file(QStringLiteral("locked.rav"), "efg");
    const Permissions none(locked, kNone);
    w.click_file(QStringLiteral("open.rav"));

    w.click_file(QStringLiteral("locked.rav"));

    QCOMPARE(w.dialogs.texts(), QStringList{QStringLiteral("ファイルを読み込めませんでした。\r") + locked
                                            + QStringLiteral("\r読み取りの権限がありません。")});
    QCOMPARE(w.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(w.controls().File1->names(),
             (QStringList{QStringLiteral("locked.rav"), QStringLiteral("open.rav")}));
    QCOMPARE(w.controls().File1->selected_name(), QStringLiteral("locked.rav"));
    QCOMPARE(w.state().target_file, locked);
    QVERIFY(w.controls().Text1->toPlainText().isEmpty());
    QCOMPARE(w.status_text(), kTargetPrefix + open);
}

void TestPermissions::folder_without_permission_data()
{
    QTest::addColumn<QFileDevice::Permissions>("permissions");
    QTest::newRow("mode 000") << kNone;
    QTest::newRow("mode 111 (enter, not list)")
        << (QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

void TestPermissions::folder_without_permission()
{
    QFETCH(QFileDevice::Permissions, permissions);
    StartedWindow w({.show = true});
    const QString folder = w.make_folder(QStringLiteral("locked"));
    w.write_file(QStringLiteral("a.rav"), "a");
    w.controls().File1->refresh();
    const Permissions locked(folder, permissions);

    w.open_folder(folder);

    QCOMPARE(w.dialogs.texts(), QStringList{QStringLiteral("フォルダを開けませんでした。\r") + folder
                                            + QStringLiteral("\rフォルダを開く権限がありません。")});
    QCOMPARE(w.controls().Dir1->path(), QDir::toNativeSeparators(w.temp.path()));
    QCOMPARE(w.controls().File1->names(), QStringList{QStringLiteral("a.rav")});
    QVERIFY(!w.controls().Dir1->findItems(QStringLiteral("locked"), Qt::MatchEndsWith).isEmpty());
}

void TestPermissions::album_not_writable_data()
{
    QTest::addColumn<bool>("existing"); // the album is there (read-only) in a writable folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only folder") << false << qt_error_string(EACCES);
    QTest::newRow("read-only album") << true << QStringLiteral("書き込みが許可されていません");
}

// Nothing written, and the message says why, as a settings write that fails does.
void TestPermissions::album_not_writable()
{
    QFETCH(bool, existing);
    QFETCH(QString, reason);
    StartedWindow w({.show = true});
    w.write_file(QStringLiteral("a.rav"), "a");
    const QString folder = w.make_folder(QStringLiteral("albums"));
    const QString album = QDir(folder).filePath(QStringLiteral("mine.alb"));
    if (existing)
        w.write_file(QStringLiteral("albums/mine.alb"), "old.rav\r\n");
    const Permissions read_only(existing ? album : folder,
                                existing ? QFileDevice::ReadOwner : kReadOnlyFolder);
    w.click_option(1);
    w.add_files({QStringLiteral("a.rav")});
    w.dialogs.answers.enqueue(MessageAnswer::Yes); // to replace it
    w.dialogs.save_results.enqueue(album);

    w.click(w.controls().Command4);

    QCOMPARE(w.dialogs.texts().last(), album + QStringLiteral("にリストを書き込めませんでした\r") + reason);
    QCOMPARE(QDir(folder).entryList(QDir::Files), existing ? QStringList{"mine.alb"} : QStringList());
    if (existing)
        QCOMPARE(w.read_bytes(QStringLiteral("albums/mine.alb")), QByteArray("old.rav\r\n"));
    QCOMPARE(w.entries(), QStringList{QStringLiteral("a.rav")});
}

void TestPermissions::read_only_settings_file()
{
    StartedWindow w({.show = true});
    const QString ini = w.path(QStringLiteral("ravfiler.ini"));
    const QByteArray before = w.read_bytes(QStringLiteral("ravfiler.ini"));
    const Permissions read_only(ini, QFileDevice::ReadOwner);

    w.click(w.controls().Check3);
    w.click(w.controls().Check3);

    // Told once, with the file and why; the file is as it was, the switch holds in memory.
    QCOMPARE(w.dialogs.texts(), QStringList{QStringLiteral("設定ファイルに書き込めませんでした。\r") + ini
                                            + QStringLiteral("\r書き込みが許可されていません")});
    QFile file(ini);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(w.state().exit_switch, QString());
}

QTEST_MAIN(TestPermissions)
#include "test_permissions.moc"
