// Moving a tune to the desktop trash: asked first, undoable, and never lost when no trash
// can be made.

#include "desktop_services.h"
#include "file_operations.h"
#include "scripted_dialogs.h"
#include "under_wine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#ifdef RAVU_DESKTOP_TRASH
#include "desktop_trash.h"
#include "trash_info.h"

#include <sys/stat.h>
#include <unistd.h>
#endif

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
#ifdef RAVU_DESKTOP_TRASH
    void record_of_each_name_data();
    void record_of_each_name();
    void file_manager_reads_back_each_name();
    void names_never_collide();
    void volume_trash_data();
    void volume_trash();
#endif

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

#ifdef RAVU_DESKTOP_TRASH

namespace {

QByteArray raw(const QString& path) { return QFile::encodeName(path); }

void make_raw_file(const QByteArray& path, const QByteArray& content)
{
    QFile file;
    QVERIFY(
        file.open(std::fopen(path.constData(), "wb"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    file.write(content);
}

QByteArray read_raw(const QByteArray& path)
{
    QFile file;
    std::FILE* handle = std::fopen(path.constData(), "rb");
    if (!handle || !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "<missing>";
    return file.readAll();
}

// Names that a record written without escaping would get wrong, each with its escaped form.
const struct {
    const char* row;
    QByteArray name;
    QByteArray escaped;
} kNames[] = {
    {"escape-like", "a%41b.rav", "a%2541b.rav"},
    {"lone percent", "100%.rav", "100%25.rav"},
    {"blank", "a b.rav", "a%20b.rav"},
    {"Japanese", "\xE6\x9B\xB2.rav", "%E6%9B%B2.rav"},
    {"Latin-1 byte", "caf\xE9.rav", "caf%E9.rav"},
    {"not UTF-8", "bad\xFF\xFE.rav", "bad%FF%FE.rav"},
    {"URL marks", "x#?&=+;,[]@$.rav", "x%23%3F%26%3D%2B%3B%2C%5B%5D%40%24.rav"},
    {"backslash", "back\\slash.rav", "back%5Cslash.rav"},
    {"kept marks", "a-_.!~*'()z.rav", "a-_.!~*'()z.rav"},
};

} // namespace

void TestRecycle::record_of_each_name_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("escaped");
    for (const auto& n : kNames)
        QTest::newRow(n.row) << n.name << n.escaped;
}

// The record holds the file's exact path, escaped, and the file is in files/ under its name.
void TestRecycle::record_of_each_name()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, escaped);
    const QByteArray folder = raw(path(QStringLiteral("tunes dir")));
    QVERIFY(QDir().mkpath(QFile::decodeName(folder)));
    const QByteArray file = folder + '/' + name;
    make_raw_file(file, "tune");
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    QString error;
    const std::optional<TrashFolder> trash = trash_for(file, &error);
    QVERIFY2(trash, qPrintable(error));
    QCOMPARE(trash->path, raw(path(QStringLiteral("home/.local/share/Trash"))));
    QByteArray entry;
    QVERIFY2(move_into_trash(file, *trash, QDateTime::currentDateTime(), &error, &entry), qPrintable(error));

    QCOMPARE(entry, name);
    QCOMPARE(read_raw(trash->path + "/files/" + name), QByteArray("tune"));
    QCOMPARE(read_raw(file), QByteArray("<missing>"));
    const QByteArray record = read_raw(trash->path + "/info/" + name + ".trashinfo");
    const QList<QByteArray> lines = record.split('\n');
    QCOMPARE(lines.size(), 4); // and a line end after the last
    QCOMPARE(lines[0], QByteArray("[Trash Info]"));
    QCOMPARE(lines[1], "Path=" + trash_escaped_path(folder) + '/' + escaped);
    QVERIFY(lines[1].contains("/tunes%20dir/"));
    QVERIFY(lines[2].startsWith("DeletionDate="));
    const QDateTime deleted = QDateTime::fromString(QString::fromLatin1(lines[2].mid(13)), Qt::ISODate);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"))
                .match(QString::fromLatin1(lines[2].mid(13)))
                .hasMatch());
    QVERIFY(deleted >= before && deleted <= QDateTime::currentDateTime().addSecs(1));
}

// A file manager's own listing of the trash gives back every original path byte for byte.
void TestRecycle::file_manager_reads_back_each_name()
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
    if (gio.isEmpty() || session.isEmpty())
        QSKIP("needs gio and dbus-run-session");
    QList<QByteArray> originals;
    for (const auto& n : kNames) {
        const QByteArray file = raw(path(QStringLiteral("dir"))) + '/' + n.name;
        QVERIFY(QDir().mkpath(path(QStringLiteral("dir"))));
        make_raw_file(file, "tune");
        QString error;
        const std::optional<TrashFolder> trash = trash_for(file, &error);
        QVERIFY2(trash && move_into_trash(file, *trash, QDateTime::currentDateTime(), &error),
                 qPrintable(error));
        // gio shows a backslash and a path's bytes outside printable ASCII as \xNN.
        QByteArray shown;
        for (const char c : file) {
            const auto b = static_cast<unsigned char>(c);
            if (c == '\\' || b < 0x20 || b >= 0x7F)
                shown += "\\x" + QByteArray::number(b, 16).rightJustified(2, '0');
            else
                shown += c;
        }
        originals << shown;
    }
    QProcess list;
    list.start(session, {QStringLiteral("--"), gio, QStringLiteral("trash"), QStringLiteral("--list")});
    QVERIFY(list.waitForFinished(30000));
    if (list.exitCode() != 0)
        QSKIP(qPrintable(QStringLiteral("gio cannot list the trash here: ")
                         + QString::fromLocal8Bit(list.readAllStandardError())));
    QList<QByteArray> listed;
    for (const QByteArray& line : list.readAllStandardOutput().split('\n'))
        if (const qsizetype tab = line.indexOf('\t'); tab >= 0)
            listed << line.mid(tab + 1);
    std::sort(listed.begin(), listed.end());
    std::sort(originals.begin(), originals.end());
    QCOMPARE(listed, originals);
}

// Each entry gets a name of its own, also beside an entry another program left without a
// record, and a name too long for its record is cut.
void TestRecycle::names_never_collide()
{
    QString error;
    const std::optional<TrashFolder> trash = home_trash(&error);
    QVERIFY2(trash, qPrintable(error));
    const QByteArray tune = raw(path(QStringLiteral("a.rav")));
    QList<QByteArray> entries;
    for (int i = 0; i < 3; ++i) {
        make_raw_file(tune, QByteArray::number(i));
        QByteArray entry;
        QVERIFY2(move_into_trash(tune, *trash, QDateTime::currentDateTime(), &error, &entry),
                 qPrintable(error));
        entries << entry;
    }
    QCOMPARE(entries, (QList<QByteArray>{"a.rav", "a.rav.2", "a.rav.3"}));
    QCOMPARE(read_raw(trash->path + "/files/a.rav.2"), QByteArray("1"));

    make_raw_file(trash->path + "/files/b.rav", "orphan");
    const QByteArray b = raw(path(QStringLiteral("b.rav")));
    make_raw_file(b, "b");
    QByteArray entry;
    QVERIFY(move_into_trash(b, *trash, QDateTime::currentDateTime(), &error, &entry));
    QCOMPARE(entry, QByteArray("b.rav.2"));
    QCOMPARE(read_raw(trash->path + "/files/b.rav"), QByteArray("orphan"));
    QVERIFY(!QFile::exists(QFile::decodeName(trash->path + "/info/b.rav.trashinfo")));

    // 80 three-byte characters: 240 bytes, past what a record's name may hold.
    const QByteArray long_name = QString(80, QChar(0x66F2)).toUtf8() + ".rav";
    make_raw_file(raw(path(QString())) + '/' + long_name, "long");
    QVERIFY2(move_into_trash(raw(path(QString())) + '/' + long_name, *trash, QDateTime::currentDateTime(),
                             &error, &entry),
             qPrintable(error));
    QVERIFY(entry.size() + 10 <= 255);
    QVERIFY(long_name.startsWith(entry));
    QCOMPARE(QString::fromUtf8(entry).toUtf8(), entry); // cut between characters
    QVERIFY(read_raw(trash->path + "/info/" + entry + ".trashinfo").contains(trash_escaped_path(long_name)));
    QCOMPARE(trash_entry_name(long_name, 12).right(3), QByteArray(".12"));
}

void TestRecycle::volume_trash_data()
{
    QTest::addColumn<QString>("shared");   // what .Trash is: "", "sticky", "plain", "link"
    QTest::addColumn<QString>("expected"); // the trash below the top folder
    const QString own = QStringLiteral(".Trash-") + QString::number(geteuid());
    const QString in_shared = QStringLiteral(".Trash/") + QString::number(geteuid());
    QTest::newRow("none") << QString() << own;
    QTest::newRow("sticky .Trash") << QStringLiteral("sticky") << in_shared;
    QTest::newRow(".Trash without sticky bit") << QStringLiteral("plain") << own;
    QTest::newRow(".Trash a link") << QStringLiteral("link") << own;
}

// A volume's trash, and its records relative to the volume's top folder.
void TestRecycle::volume_trash()
{
    QFETCH(QString, shared);
    QFETCH(QString, expected);
    const QString top = path(QStringLiteral("volume"));
    QVERIFY(QDir().mkpath(top + QStringLiteral("/sub dir")));
    const QByteArray shared_path = raw(top + QStringLiteral("/.Trash"));
    if (shared == QStringLiteral("sticky") || shared == QStringLiteral("plain")) {
        QCOMPARE(mkdir(shared_path.constData(), 0777), 0);
        QCOMPARE(chmod(shared_path.constData(), shared == QStringLiteral("sticky") ? 01777 : 0777), 0);
    } else if (shared == QStringLiteral("link")) {
        const QByteArray elsewhere = raw(path(QStringLiteral("elsewhere")));
        QCOMPARE(mkdir(elsewhere.constData(), 01777), 0);
        QCOMPARE(chmod(elsewhere.constData(), 01777), 0);
        QCOMPARE(symlink(elsewhere.constData(), shared_path.constData()), 0);
    }
    QString error;
    const std::optional<TrashFolder> trash = ::volume_trash(raw(top), geteuid(), &error);
    QVERIFY2(trash, qPrintable(error));
    QCOMPARE(trash->path, raw(top + QLatin1Char('/') + expected));
    struct stat st {};
    QCOMPARE(lstat(trash->path.constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0700));

    const QByteArray tune = raw(top + QStringLiteral("/sub dir/a%b.rav"));
    make_raw_file(tune, "v");
    QVERIFY2(move_into_trash(tune, *trash, QDateTime::currentDateTime(), &error), qPrintable(error));
    QCOMPARE(read_raw(trash->path + "/files/a%b.rav"), QByteArray("v"));
    QVERIFY(read_raw(trash->path + "/info/a%b.rav.trashinfo").contains("\nPath=sub%20dir/a%25b.rav\n"));
    const QByteArray at_top = raw(top + QStringLiteral("/top.rav"));
    make_raw_file(at_top, "t");
    QVERIFY2(move_into_trash(at_top, *trash, QDateTime::currentDateTime(), &error), qPrintable(error));
    QVERIFY(read_raw(trash->path + "/info/top.rav.trashinfo").contains("\nPath=top.rav\n"));
}

#endif

QTEST_MAIN(TestRecycle)
#include "test_recycle.moc"
