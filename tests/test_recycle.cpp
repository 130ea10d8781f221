// Moving a tune to the desktop trash: asked first, undoable, and never lost when no trash
// can be made.

#include "desktop_services.h"
#include "recycle_file.h"
#include "scripted_dialogs.h"
#include "under_wine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void make_file(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#tempo 120\r\n");
}

} // namespace

class TestRecycle : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void confirmed_goes_to_trash();
    void declined_stays();
    void missing_file_is_reported();
    void no_trash_leaves_file();

private:
    QTemporaryDir* m_dir = nullptr;
    QString m_old_cwd;
    QByteArray m_old_home;
    QByteArray m_old_data;
    ScriptedDialogs m_dialogs;
    DesktopServices m_system;

    QString path(const QString& name) const { return m_dir->filePath(name); }
};

// Each case has a home of its own whose data folder does not exist yet, as on a fresh
// machine, and runs in a current folder of its own where nothing may appear.
void TestRecycle::init()
{
    m_dir = new QTemporaryDir;
    m_old_cwd = QDir::currentPath();
    m_old_home = qgetenv("HOME");
    m_old_data = qgetenv("XDG_DATA_HOME");
    QDir(m_dir->path()).mkpath(QStringLiteral("home"));
    QDir(m_dir->path()).mkpath(QStringLiteral("cwd"));
    qputenv("HOME", path(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", path(QStringLiteral("home/.local/share")).toLocal8Bit());
    QDir::setCurrent(path(QStringLiteral("cwd")));
    m_dialogs.clear();
}

void TestRecycle::cleanup()
{
    QDir::setCurrent(m_old_cwd);
    qputenv("HOME", m_old_home);
    if (m_old_data.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", m_old_data);
    QVERIFY(QDir(path(QStringLiteral("cwd"))).isEmpty()); // nothing went into the current folder
    delete m_dir;
}

void TestRecycle::confirmed_goes_to_trash()
{
    const QString tune = path(QStringLiteral("曲 a.rav"));
    make_file(tune);
    m_dialogs.answers.enqueue(MessageAnswer::Yes);

    if (under_wine()) {
        // Windows moves the file into the recycle bin; Wine 8 has no recycle bin behind Qt's
        // call, and the program says so, keeping the file.
        QCOMPARE(recycle_file(m_dialogs, m_system, nullptr, tune), RecycleResult::Failed);
        QVERIFY(QFile::exists(tune));
        QCOMPARE(m_dialogs.messages.size(), 2);
        QVERIFY(m_dialogs.messages[1].text.startsWith(QStringLiteral("ごみ箱に移動できませんでした。\r")));
        return;
    }
    QCOMPARE(recycle_file(m_dialogs, m_system, nullptr, tune), RecycleResult::Moved);

    QCOMPARE(m_dialogs.messages.size(), 1);
    const RecordedMessage& asked = m_dialogs.messages[0];
    QVERIFY(asked.text.contains(tune));
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(asked.icon, MessageIcon::Warning);
    QVERIFY(!QFile::exists(tune));
#ifdef Q_OS_WIN
    return; // in the recycle bin, which has no folder of its own to look into
#endif
    // In the trash, where it can be restored from.
    QVERIFY(QFile::exists(path(QStringLiteral("home/.local/share/Trash/files/曲 a.rav"))));
    QVERIFY(QFile::exists(path(QStringLiteral("home/.local/share/Trash/info/曲 a.rav.trashinfo"))));
}

void TestRecycle::declined_stays()
{
    const QString tune = path(QStringLiteral("a.rav"));
    make_file(tune);
    m_dialogs.answers.enqueue(MessageAnswer::No);
    QCOMPARE(recycle_file(m_dialogs, m_system, nullptr, tune), RecycleResult::Declined);
    QVERIFY(QFile::exists(tune));
    QCOMPARE(m_dialogs.messages.size(), 1);
}

void TestRecycle::missing_file_is_reported()
{
    const QString tune = path(QStringLiteral("gone.rav"));
    QCOMPARE(recycle_file(m_dialogs, m_system, nullptr, tune), RecycleResult::Missing);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].buttons, MessageButtons::Ok);
    QVERIFY(m_dialogs.messages[0].text.contains(tune));
}

void TestRecycle::no_trash_leaves_file()
{
#ifdef Q_OS_WIN
    QSKIP("the recycle bin cannot be taken away here (under Wine, confirmed_goes_to_trash sees the refusal)");
#endif
    // The data folder would have to be made below a regular file.
    make_file(path(QStringLiteral("home/plain")));
    qputenv("XDG_DATA_HOME", path(QStringLiteral("home/plain/share")).toLocal8Bit());
    const QString tune = path(QStringLiteral("a.rav"));
    make_file(tune);
    m_dialogs.answers.enqueue(MessageAnswer::Yes);

    QCOMPARE(recycle_file(m_dialogs, m_system, nullptr, tune), RecycleResult::Failed);

    QVERIFY(QFile::exists(tune));
    QCOMPARE(m_dialogs.messages.size(), 2);
    QVERIFY(m_dialogs.messages[1].text.startsWith(QStringLiteral("ごみ箱に移動できませんでした。\r")));
    QCOMPARE(m_dialogs.messages[1].buttons, MessageButtons::Ok);
}

QTEST_MAIN(TestRecycle)
#include "test_recycle.moc"
