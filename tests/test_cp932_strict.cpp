// CP932 over an all-or-nothing converter, as Windows' code page 932 is used: a stand-in
// converter that knows a handful of characters and refuses any input holding another.

#include "cp932_strict.h"

#include <QtTest>

namespace {

// ASCII, half-width katakana and three pairs; anything else fails the whole input.
std::optional<QString> strict_decode(QByteArrayView bytes)
{
    const QHash<QByteArray, QChar> pairs = {
        {"\x82\xA0", QChar(0x3042)}, {"\x88\x9F", QChar(0x4E9C)}, {"\x81\x5F", QChar(0xFF3C)}};
    QString text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            text += QLatin1Char(char(byte));
        } else if (byte >= 0xA1 && byte <= 0xDF) {
            text += QChar(0xFF61 + byte - 0xA1);
        } else if (i + 1 < bytes.size() && pairs.contains(bytes.sliced(i, 2).toByteArray())) {
            text += pairs.value(bytes.sliced(i, 2).toByteArray());
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

// What another system's table makes of the same bytes: 80, A0 and FD to FF as characters and
// a lead byte at the very end as nothing, without refusing the input.
std::optional<QString> lenient_decode(QByteArrayView bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
            text += byte == 0x80 ? QChar(0x80) : QChar(0xF8F0);
        } else if (lead && i + 1 == bytes.size()) {
            break;
        } else {
            const std::optional<QString> known = strict_decode(bytes.sliced(i, lead ? 2 : 1));
            if (!known)
                return std::nullopt;
            text += *known;
            i += lead ? 1 : 0;
        }
    }
    return text;
}

// The reverse of the above, plus a look-alike for the yen sign that does not read back.
std::optional<QByteArray> strict_encode(QStringView text)
{
    QByteArray bytes;
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            bytes += char(c.unicode());
        else if (c == QChar(0x3042))
            bytes += "\x82\xA0";
        else if (c == QChar(0xFF3C))
            bytes += "\x81\x5F";
        else if (c == QChar(0x0080))
            bytes += '\x80';
        else if (c == QChar(0x00A5))
            bytes += '\\';
        else
            return std::nullopt;
    }
    return bytes;
}

const QString kA = QString(QChar(0x3042));         // あ
const QString kAsia = QString(QChar(0x4E9C));      // 亜
const QString kBackslash = QString(QChar(0xFF3C)); // ＼
const QString kSub = QString(QChar::ReplacementCharacter);

} // namespace

class TestCp932Strict : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
};

void TestCp932Strict::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("all known") << QByteArray("a\x82\xA0\xB1") << QStringLiteral("a") + kA + QChar(0xFF71);
    QTest::newRow("lead byte at the very end") << QByteArray("ab\x82") << QStringLiteral("ab") + kSub;
    QTest::newRow("lead byte before a line end")
        << QByteArray("\x82\r\n\x82\xA0") << kSub + QStringLiteral("\r\n") + kA;
    QTest::newRow("unknown pair is one substitute") << QByteArray("\x85\x40z") << kSub + QStringLiteral("z");
    QTest::newRow("lead byte before a blank") << QByteArray("\x82 z") << kSub + QStringLiteral(" z");
    QTest::newRow("pair with an ASCII second byte stays a pair")
        << QByteArray("\x81\x5F\xFF\x88\x9F") << kBackslash + kSub + kAsia;
    QTest::newRow("bad line among good ones")
        << QByteArray("\x82\xA0\n\x80q\n\x88\x9F")
        << kA + QStringLiteral("\n") + kSub + QStringLiteral("q\n") + kAsia;
    QTest::newRow("bytes outside pairs")
        << QByteArray("a\xff\x80\xA0\xFD") << QStringLiteral("a") + kSub.repeated(4);
    QTest::newRow("cut pair after katakana") << QByteArray("\xB1\x88") << QString(QChar(0xFF71)) + kSub;
}

void TestCp932Strict::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(cp932_decode_by_pieces(bytes, strict_decode), text);
    QCOMPARE(cp932_decode_by_pieces(bytes, lenient_decode), text);
}

void TestCp932Strict::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty") << QString() << QByteArray() << false;
    QTest::newRow("known") << QStringLiteral("a") + kA + kBackslash << QByteArray("a\x82\xA0\x81\x5F")
                           << false;
    QTest::newRow("no code") << QStringLiteral("a") + QChar(0x4E02) << QByteArray() << true;
    QTest::newRow("no character in a pair or alone") << QString(QChar(0x0080)) << QByteArray() << true;
    QTest::newRow("look-alike does not read back") << QString(QChar(0x00A5)) << QByteArray() << true;
}

void TestCp932Strict::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, refused);
    for (const Cp932StrictDecode& decode :
         {Cp932StrictDecode(strict_decode), Cp932StrictDecode(lenient_decode)}) {
        const std::optional<QByteArray> encoded = cp932_encode_checked(text, strict_encode, decode);
        QCOMPARE(!encoded, refused);
        if (encoded)
            QCOMPARE(*encoded, bytes);
    }
}

QTEST_GUILESS_MAIN(TestCp932Strict)
#include "test_cp932_strict.moc"
