#include "file_size_limit.h"
#include "profile_file.h"
#include "settings.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray read_all(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
void write_all(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
QString value(const QByteArray& bytes, const char* key)
{
    return profile_value(bytes, QStringLiteral("RavFiler"), QString::fromLatin1(key), QStringLiteral("ERR"));
}
} // namespace

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void write_then_read();
    void missing_file_section_or_key();
    void other_lines_kept_on_write();
    void names_quotes_and_duplicates();
    void values_cut_to_255_bytes();
    void bytes_that_are_not_text();
    void cp932_file();
    void failed_write_keeps_old_file();
};

void TestProfile::write_then_read()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("ravfiler.ini"));
    write_setting(ini, QStringLiteral("Ravu"), QStringLiteral("/opt/ラヴ/ravu"));
    write_setting(ini, QStringLiteral("PlayOpt"), QString());
    write_setting(ini, QStringLiteral("Edit"), QStringLiteral("ERR"));
    write_setting(ini, QStringLiteral("Ravu"), QStringLiteral("ravu.exe"));
    QCOMPARE(read_all(ini), QByteArray("[RavFiler]\r\nRavu=ravu.exe\r\nPlayOpt=\r\nEdit=ERR\r\n"));
    QCOMPARE(read_setting(ini, QStringLiteral("Ravu")), QStringLiteral("ravu.exe"));
    QCOMPARE(read_setting(ini, QStringLiteral("PlayOpt")), QString(""));
    QCOMPARE(read_setting(ini, QStringLiteral("Edit")), QStringLiteral("ERR"));
}

void TestProfile::missing_file_section_or_key()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("ravfiler.ini"));
    QCOMPARE(read_setting(ini, QStringLiteral("Ravu")), QStringLiteral("ERR"));
    write_all(ini, "[Other]\r\nRavu=x\r\n");
    QCOMPARE(read_setting(ini, QStringLiteral("Ravu")), QStringLiteral("ERR"));
    write_all(ini, "[RavFiler]\r\nEdit=x\r\n[Other]\r\nRavu=y\r\n");
    QCOMPARE(read_setting(ini, QStringLiteral("Ravu")), QStringLiteral("ERR"));
    QCOMPARE(read_setting(dir.path(), QStringLiteral("Ravu")), QStringLiteral("ERR")); // a folder
}

void TestProfile::other_lines_kept_on_write()
{
    const QByteArray before = "; settings\n"
                              "top=1\n"
                              "[RavFiler]\n"
                              "Edit=vi\n"
                              "junk line\n"
                              "Ravu=old\n"
                              "\n"
                              "[Other]\r"
                              "Ravu=other";
    QByteArray after = *profile_with_value(before, QStringLiteral("RavFiler"), QStringLiteral("Ravu"),
                                           QStringLiteral("new"));
    after = *profile_with_value(after, QStringLiteral("RavFiler"), QStringLiteral("SvPosit"),
                                QStringLiteral("1"));
    after = *profile_with_value(after, QStringLiteral("Third"), QStringLiteral("k"), QStringLiteral("v"));
    QCOMPARE(after, QByteArray("; settings\r\ntop=1\r\n[RavFiler]\r\nEdit=vi\r\njunk line\r\nRavu=new\r\n"
                               "SvPosit=1\r\n\r\n[Other]\r\nRavu=other\r\n[Third]\r\nk=v\r\n"));
    // A BOM written by an editor stays.
    QCOMPARE(*profile_with_value("\xEF\xBB\xBF[RavFiler]\r\n", QStringLiteral("RavFiler"),
                                 QStringLiteral("a"), QStringLiteral("b")),
             QByteArray("\xEF\xBB\xBF[RavFiler]\r\na=b\r\n"));
}

void TestProfile::names_quotes_and_duplicates()
{
    const QByteArray bytes = " [ ravfiler ] \r\n"
                             "  RAVU  =  \"C:\\a b\"  \r\n"
                             "Edit='x'\r\n"
                             "Ravu=second\r\n"
                             "Mixed=\"x'\r\n"
                             ";Lastpath=comment\r\n"
                             "PreTop=\"\"\r\n"
                             "Sp=\u3000x\u3000\r\n"
                             "[RavFiler]\r\n"
                             "Lastpath=second section\r\n";
    QCOMPARE(value(bytes, "ravu"), QStringLiteral("C:\\a b"));
    QCOMPARE(value(bytes, "Edit"), QStringLiteral("x"));
    QCOMPARE(value(bytes, "Mixed"), QStringLiteral("\"x'"));
    QCOMPARE(value(bytes, "PreTop"), QString(""));
    QCOMPARE(value(bytes, "Sp"), QStringLiteral("\u3000x\u3000"));
    QCOMPARE(value(bytes, "Lastpath"), QStringLiteral("ERR"));
    const QByteArray written =
        *profile_with_value(bytes, QStringLiteral("RavFiler"), QStringLiteral("Ravu"), QStringLiteral("new"));
    QCOMPARE(written.count("Ravu=new"), 1);
    QCOMPARE(value(written, "Ravu"), QStringLiteral("new"));
    QVERIFY(written.contains("Ravu=second\r\n"));
}

void TestProfile::values_cut_to_255_bytes()
{
    const QByteArray long_ascii(300, 'a');
    QCOMPARE(value("[RavFiler]\r\nk=" + long_ascii, "k"), QString(255, QLatin1Char('a')));
    // "あ" takes bytes 254 to 256: the value ends before it.
    const QString head(253, QLatin1Char('b'));
    QCOMPARE(value("[RavFiler]\r\nk=" + (head + QStringLiteral("ああ")).toUtf8(), "k"), head);
    QCOMPARE(value("[RavFiler]\r\nk=" + (head + QStringLiteral("x𠮷")).toUtf8(), "k"),
             head + QLatin1Char('x'));
    QCOMPARE(value(QByteArray("[RavFiler]\r\nk=ab\0cd\r\n", 20), "k"), QStringLiteral("ab"));
}

void TestProfile::bytes_that_are_not_text()
{
    QRandomGenerator random(7);
    QByteArray noise(1 << 20, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const QByteArray tail = "\r\n[RavFiler]\r\nk=found\r\n";
    for (const QByteArray& junk : {noise, QByteArray(1 << 20, '\0'), QByteArray(10 << 20, 'x'),
                                   QByteArray(10 << 20, '\n'), QByteArray(1 << 20, '[')}) {
        QCOMPARE(value(junk, "k"), QStringLiteral("ERR"));
        QCOMPARE(value(junk + tail, "k"), QStringLiteral("found"));
        const auto written =
            profile_with_value(junk, QStringLiteral("RavFiler"), QStringLiteral("k"), QStringLiteral("v"));
        QVERIFY(written);
        QCOMPARE(value(*written, "k"), QStringLiteral("v"));
    }
}

void TestProfile::cp932_file()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("ravfiler.ini"));
    const QString path = QStringLiteral("C:\\ツール\\ソフト表示①");
    QStringEncoder cp932("windows-31j");
    const QByteArray path_bytes = cp932.encode(path);
    QVERIFY(!cp932.hasError());
    write_all(ini, "[RavFiler]\r\nRavu=" + path_bytes + "\r\n");
    QCOMPARE(read_setting(ini, QStringLiteral("Ravu")), path);
    write_setting(ini, QStringLiteral("Edit"), QStringLiteral("vi"));
    QCOMPARE(read_all(ini), "[RavFiler]\r\nRavu=" + path.toUtf8() + "\r\nEdit=vi\r\n");
}

void TestProfile::failed_write_keeps_old_file()
{
    QTemporaryDir dir;
    // A regular file where the folder should be.
    write_all(dir.filePath(QStringLiteral("file")), "x");
    const QString through_file = dir.filePath(QStringLiteral("file/ravfiler.ini"));
    write_setting(through_file, QStringLiteral("Ravu"), QStringLiteral("a"));
    QCOMPARE(read_setting(through_file, QStringLiteral("Ravu")), QStringLiteral("ERR"));
    QCOMPARE(read_all(dir.filePath(QStringLiteral("file"))), QByteArray("x"));

    // A full disk in the middle of the write.
    const QString ini = dir.filePath(QStringLiteral("ravfiler.ini"));
    const QByteArray old = "[RavFiler]\r\nRavu=old\r\n";
    write_all(ini, old);
    if (FileSizeLimit::available()) {
        FileSizeLimit limit(64);
        QVERIFY(limit.active());
        QVERIFY(!write_profile_string(ini, QStringLiteral("RavFiler"), QStringLiteral("Lastpath"),
                                      QString(200, QLatin1Char('p'))));
    }
    QCOMPARE(read_all(ini), old);
    // A value that would break the line apart is refused rather than stored as two lines.
    QVERIFY(!write_profile_string(ini, QStringLiteral("RavFiler"), QStringLiteral("Ravu"),
                                  QStringLiteral("x\r\nEdit=y")));
    QCOMPARE(read_all(ini), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left
}

QTEST_MAIN(TestProfile)
#include "test_profile.moc"
