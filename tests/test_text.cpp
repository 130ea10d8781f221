#include "file_size_limit.h"
#include "preview_lines.h"
#include "text_codec.h"
#include "text_lines.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kJapanese = QStringLiteral("ドレミ　演奏①～");
const QByteArray kJapaneseCp932("\x83\x68\x83\x8C\x83\x7E\x81\x40\x89\x89\x91\x74\x87\x40\x81\x60");

QByteArray read_all(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestText : public QObject {
    Q_OBJECT
private slots:
    void cp932_both_ways();
    void decode();
    void encode();
    void for_the_player_data();
    void for_the_player();
    void utf8_validity_data();
    void utf8_validity();
    void detect_from_prefix();
    void cp932_cut_character();
    void line_rule_data();
    void line_rule();
    void bounded_reader();
    void write_text_file_atomic();
};

void TestText::cp932_both_ways()
{
    QCOMPARE(cp932_decode(kJapaneseCp932), kJapanese);
    QCOMPARE(cp932_encode(kJapanese), std::optional<QByteArray>(kJapaneseCp932));
    QCOMPARE(cp932_encode(u"a\\b~"), std::optional<QByteArray>("a\\b~"));
    // Bytes that are not CP932 become one substitute each, never nothing and never a control.
    QCOMPARE(cp932_decode("a\xff\x80"), QStringLiteral("a\uFFFD\uFFFD"));
    QCOMPARE(cp932_decode("\x82"), QStringLiteral("\uFFFD"));
    // Control codes are themselves both ways (found by fuzz_profile: 1A, 1C and 7F were swapped).
    const QString controls = QStringLiteral("\x1a\x1c\x7f");
    QCOMPARE(cp932_decode("\x1a\x1c\x7f"), controls);
    QCOMPARE(cp932_encode(controls), std::optional<QByteArray>("\x1a\x1c\x7f"));
    QCOMPARE(cp932_decode("\x83\x68\x7f\x83"), QStringLiteral("ド\x7f\uFFFD"));
    QCOMPARE(cp932_encode(u"\x1a\x1c\x7fド\x7f\x1c\x1a"),
             std::optional<QByteArray>("\x1a\x1c\x7f\x83\x68\x7f\x1c\x1a"));
    // Found by fuzz_profile: the substitute itself has no code, and a refusal leaves nothing
    // behind for the next call (a lone surrogate waiting, an error kept).
    QVERIFY(!cp932_encode(u"\uFFFD"));
    QVERIFY(!cp932_encode(QString(QChar(0xD83D))));
    QVERIFY(!cp932_encode(u"😀"));
    QCOMPARE(cp932_encode(u"a"), std::optional<QByteArray>("a"));
    // No look-alike at this level: what CP932 lacks is refused.
    for (const char16_t* text : {u"〜", u"−", u"😀", u"한"})
        QVERIFY(!cp932_encode(text));
}

void TestText::decode()
{
    QCOMPARE(decode_text(kJapanese.toUtf8()), kJapanese);
    QCOMPARE(decode_text(kJapaneseCp932), kJapanese);
    QCOMPARE(decode_text("\xEF\xBB\xBF" + kJapanese.toUtf8()), kJapanese);
    QCOMPARE(decode_text("\xEF\xBB\xBF"
                         "abc"),
             QStringLiteral("abc"));
    QCOMPARE(decode_text("a\\b~"), QStringLiteral("a\\b~"));
    // Valid UTF-8 up to the last byte, which is half a character: not UTF-8 after all.
    QCOMPARE(detect_text_codec(kJapanese.toUtf8().chopped(1)), TextCodec::Cp932);
}

void TestText::encode()
{
    QCOMPARE(encode_text(kJapanese), kJapaneseCp932);
    QCOMPARE(encode_text(QStringLiteral("①")), QByteArray("\x87\x40"));
    QVERIFY(cp932_encode(kJapanese));
    for (const QString& text :
         {QStringLiteral("𠮷野家\r\n"), QStringLiteral("ド😀"), QStringLiteral("〜"), QStringLiteral("¥")}) {
        QVERIFY2(!cp932_encode(text), qPrintable(text));
        QCOMPARE(encode_text(text), "\xEF\xBB\xBF" + text.toUtf8());
        QCOMPARE(decode_text(encode_text(text)), text);
    }
    // CP932 bytes that are valid UTF-8 as well would read back wrong: written as UTF-8.
    const QString ambiguous = cp932_decode("\xE3\x81\xA2");
    QVERIFY(cp932_encode(ambiguous));
    QCOMPARE(decode_text(encode_text(ambiguous)), ambiguous);
    QCOMPARE(encode_text(QString()), QByteArray());
}

void TestText::for_the_player_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refused");
    QTest::newRow("wave dash, minus") << QStringLiteral("〜−") << QByteArray("\x81\x60\x81\x7c") << QString();
    QTest::newRow("look-alikes") << QStringLiteral("‖¢£¬—")
                                 << QByteArray("\x81\x61\x81\x91\x81\x92\x81\xca\x81\x5c") << QString();
    QTest::newRow("emoji") << QStringLiteral("ド😀ド") << QByteArray() << QStringLiteral("😀");
    QTest::newRow("hangul") << QStringLiteral("a한") << QByteArray() << QStringLiteral("한");
}

void TestText::for_the_player()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refused);
    QString found;
    const std::optional<QByteArray> encoded = encode_for_player(text, &found);
    QCOMPARE(encoded.value_or(QByteArray()), bytes);
    QCOMPARE(encoded.has_value(), refused.isEmpty());
    QCOMPARE(found, refused);
}

void TestText::utf8_validity_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("valid_start");
    QTest::newRow("ascii") << QByteArray("abc") << true << true;
    QTest::newRow("japanese") << kJapanese.toUtf8() << true << true;
    QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80") << true << true;
    QTest::newRow("cut at the end") << QByteArray("a\xe3\x81") << false << true;
    QTest::newRow("overlong") << QByteArray("\xc0\xaf") << false << false;
    QTest::newRow("overlong three") << QByteArray("\xe0\x80\xaf") << false << false;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false << false;
    QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false << false;
    QTest::newRow("lone continuation") << QByteArray("a\x80") << false << false;
    QTest::newRow("cp932") << kJapaneseCp932 << false << false;
}

void TestText::utf8_validity()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(bool, valid_start);
    QCOMPARE(is_valid_utf8(bytes), valid);
    QCOMPARE(is_valid_utf8(bytes, false), valid_start);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    QCOMPARE(!decoder.hasError(), valid);
}

void TestText::detect_from_prefix()
{
    const QByteArray utf8 = QStringLiteral("abあい").toUtf8();
    for (int cut = 1; cut <= 2; ++cut) {
        QCOMPARE(detect_text_codec(utf8.chopped(cut), false), TextCodec::Utf8);
        QCOMPARE(detect_text_codec(utf8.chopped(cut), true), TextCodec::Cp932);
    }
    QCOMPARE(detect_text_codec("\xE3\x81"
                               "abc",
                               false),
             TextCodec::Cp932);                                     // not at the end
    QCOMPARE(detect_text_codec("ab\xFF", false), TextCodec::Cp932); // no lead byte
    QCOMPARE(detect_text_codec(kJapaneseCp932.left(3), false), TextCodec::Cp932);
}

void TestText::cp932_cut_character()
{
    // A CP932 file that ends in the first byte of a character (a cut or damaged file) keeps
    // that byte as a substitute, like a bad byte anywhere else, instead of losing it.
    const QString bad = decode_as("\x80", TextCodec::Cp932);
    QCOMPARE(bad.size(), 1);
    QCOMPARE(decode_as("ab\x82", TextCodec::Cp932), QStringLiteral("ab") + bad);
    QCOMPARE(decode_text(kJapaneseCp932 + "\x83"), kJapanese + bad);
    // Found by fuzz_text_lines: the last line, one such byte, vanished from the read.
    QByteArray file = kJapaneseCp932 + "\r\n\xE8";
    QBuffer buffer(&file);
    QCOMPARE(read_text_lines(buffer, LineBounds{-1, -1}).lines, (QStringList{kJapanese, bad}));
}

void TestText::line_rule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lone cr") << "a\rb" << QStringList{"a", "b"};
    QTest::newRow("lone lf") << "a\nb\r\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("all three mixed") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("lf cr is two ends") << "a\n\rb\n\n" << QStringList{"a", "", "b", ""};
    QTest::newRow("two final crlf") << "a\r\n\r\n" << QStringList{"a", ""};
    QTest::newRow("cr cr lf") << "a\r\r\n" << QStringList{"a", ""};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("two crlf after lines") << "a\r\nb\r\n\r\n" << QStringList{"a", "b", ""};
    QTest::newRow("no line end at the end") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("two lone cr") << "a\rb\r\rc" << QStringList{"a", "b", "", "c"};
    QTest::newRow("lf at the end") << "a\nb\nc\n" << QStringList{"a", "b", "c"};
}

void TestText::line_rule()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QBuffer buffer;
    buffer.setData(text.toUtf8());
    const TextLines read = read_text_lines(buffer, LineBounds{-1, -1});
    QCOMPARE(read.lines, lines);
    QCOMPARE(split_byte_lines(read.bytes).size(), lines.size());
    QCOMPARE(text_lines(text.toUtf8(), LineBounds{}, true).lines, lines);
    QBuffer preview_buffer;
    preview_buffer.setData(text.toUtf8());
    QCOMPARE(read_preview_lines(preview_buffer).lines, lines);
}

void TestText::bounded_reader()
{
    QByteArray many;
    for (int i = 0; i < 250; ++i)
        many += "line " + QByteArray::number(i) + "\r\n";
    QBuffer buffer(&many);
    TextLines read = read_text_lines(buffer, LineBounds{200, 1000});
    QVERIFY(read.error.ok() && !read.line_too_long);
    QCOMPARE(read.lines.size(), 200);
    QCOMPARE(read.lines.last(), QStringLiteral("line 199"));

    // The first empty line ends an album's names; a file past the size bound fails.
    QByteArray names("a\r\nb\n\nc\r\n");
    QBuffer names_buffer(&names);
    read = read_text_lines(names_buffer, LineBounds{-1, -1, -1, true});
    QCOMPARE(read.lines, (QStringList{"a", "b"}));
    QCOMPARE(read.bytes, QByteArray("a\r\nb\n"));
    names_buffer.seek(0);
    read = read_text_lines(names_buffer, LineBounds{-1, -1, 8, false});
    QVERIFY(!read.error.ok());
    QCOMPARE(read.error.failure, FileFailure::TooLarge);
    QCOMPARE(read.error.reason, QStringLiteral("ファイルが大きすぎます"));

    // A CR LF split by the reader's 64 KiB chunks ends one line, not two.
    QByteArray split(64 * 1024 - 1, 'x');
    split += "\r\n" + kJapaneseCp932 + "\r\nlast";
    QBuffer split_buffer(&split);
    read = read_text_lines(split_buffer, LineBounds{-1, -1});
    QCOMPARE(read.lines,
             (QStringList{QString(64 * 1024 - 1, QLatin1Char('x')), kJapanese, QStringLiteral("last")}));

    // A too long line stops the read long before the end of the data.
    QByteArray huge = "one\r\ntwo\r\n" + QByteArray(16 << 20, 'y') + "\r\nthree\r\n";
    QBuffer huge_buffer(&huge);
    read = read_text_lines(huge_buffer, LineBounds{200, 4096});
    QVERIFY(read.error.ok() && read.line_too_long);
    QCOMPARE(read.lines, (QStringList{"one", "two"}));
    QVERIFY(huge_buffer.pos() < (1 << 20));

    QTemporaryDir dir;
    read = read_text_lines(dir.filePath(QStringLiteral("missing.rav")), LineBounds{});
    QVERIFY(!read.error.ok());
    QCOMPARE(read.error.failure, FileFailure::Missing);
    QCOMPARE(read.error.reason, QStringLiteral("ファイルがありません"));
    read = read_text_lines(dir.path(), LineBounds{});
    QCOMPARE(read.error.failure, FileFailure::NotRegularFile);
    QCOMPARE(read.error.reason, QStringLiteral("通常のファイルではありません"));
}

void TestText::write_text_file_atomic()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("album.alb"));
    QString error;
    QVERIFY(write_text_file(path, kJapanese + QStringLiteral("\r\n"), &error));
    QCOMPARE(read_all(path), kJapaneseCp932 + "\r\n");
    QCOMPARE(read_text_lines(path, LineBounds{}).lines, QStringList{kJapanese});

    if (FileSizeLimit::available()) {
        FileSizeLimit limit(8);
        QVERIFY(limit.active());
        QVERIFY(!write_text_file(path, QString(100, QLatin1Char('z')), &error));
        QVERIFY(!error.isEmpty());
    }
    QCOMPARE(read_all(path), kJapaneseCp932 + "\r\n");

    error.clear();
    QVERIFY(!write_text_file(dir.filePath(QStringLiteral("album.alb/x.alb")), QStringLiteral("x"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

QTEST_MAIN(TestText)
#include "test_text.moc"
