// Selecting a file in the file list: the target, its display, and the preview field's
// lines, read through the real window from files in a temporary folder.

#include "fifos.h"
#include "file_list.h"
#include "paths.h"
#include "preview_lines.h"
#include "started_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The field's paragraphs, which are the lines the preview shows.
QStringList field_lines(QPlainTextEdit* field)
{
    QStringList lines;
    if (field->document()->isEmpty())
        return lines;
    for (QTextBlock block = field->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

// Bytes this process has read through read() so far, or -1 where the system does not say.
qint64 bytes_read_so_far()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

const QString kTooLong = QStringLiteral("１行の文字数が長すぎます");

} // namespace

class TestPreview : public QObject {
    Q_OBJECT
private slots:
    void line_rule();
    void first_200_lines_only_data();
    void first_200_lines_only();
    void lf_tune_over_64_kib_is_shown();
    void tune_replaced_by_a_fifo_does_not_hold_up_the_window();
    void shift_jis_and_utf8_read_alike();
    void vanished_file_is_reported_and_unlisted();
    void root_folder_gives_one_separator();
    void clicking_again_and_keys_reread();
    void huge_single_line_is_refused_after_a_bounded_read();
    void binary_file_is_shown_within_bounds();
    void too_much_text_for_the_field_is_refused();
    void foreign_name_is_told_once_an_action_data();
    void foreign_name_is_told_once_an_action();
};

void TestPreview::line_rule()
{
    // The rule's cases are tested on the reader (test_text); here that the field shows its lines.
    StartedWindow w({.show = true});
    const QString file = w.write_file(QStringLiteral("t.rav"), "a\r\nb\rc\nd\n\r\r\n");
    w.click_file(QStringLiteral("t.rav"));

    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(field_lines(w.controls().Text1), (QStringList{"a", "b", "c", "d", "", ""}));
    QCOMPARE(w.state().target_file, QDir::toNativeSeparators(file));
    QCOMPARE(w.status_text(), QStringLiteral("対象ファイル：") + QDir::toNativeSeparators(file));
    QCOMPARE(w.controls().Label3->text(), w.status_text());
}

void TestPreview::first_200_lines_only_data()
{
    QTest::addColumn<QByteArray>("line_end");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
}

void TestPreview::first_200_lines_only()
{
    QFETCH(QByteArray, line_end);
    StartedWindow w({.show = true});
    QByteArray bytes;
    for (int i = 1; i <= 300; ++i)
        bytes += "line " + QByteArray::number(i) + line_end;
    // What follows the 200 lines is not looked at, however long.
    bytes += QByteArray(1 << 20, 'x');
    w.write_file(QStringLiteral("long.txt"), bytes);
    w.click_file(QStringLiteral("long.txt"));

    const QStringList lines = field_lines(w.controls().Text1);
    QCOMPARE(lines.size(), 200);
    QCOMPARE(lines.first(), QStringLiteral("line 1"));
    QCOMPARE(lines.last(), QStringLiteral("line 200"));
    QVERIFY(!w.controls().Text1->toPlainText().endsWith(QLatin1Char('\n')));
    QVERIFY(w.dialogs.messages.isEmpty());
}

void TestPreview::lf_tune_over_64_kib_is_shown()
{
    StartedWindow w({.show = true});
    QByteArray bytes;
    while (bytes.size() < 100 * 1024)
        bytes += "t120 o4 l8 cdefgab>c<bagfedc r4 ; " + QByteArray::number(bytes.size()) + "\n";
    w.write_file(QStringLiteral("linux.rav"), bytes);
    w.click_file(QStringLiteral("linux.rav"));
    QVERIFY(w.dialogs.messages.isEmpty());
    const QStringList lines = field_lines(w.controls().Text1);
    QCOMPARE(lines.size(), 200);
    QCOMPARE(lines[1], QString::fromLatin1(bytes.split('\n')[1]));
}

void TestPreview::tune_replaced_by_a_fifo_does_not_hold_up_the_window()
{
    StartedWindow w({.show = true});
    const QString tune = w.write_file(QStringLiteral("pipe.rav"), "cde");
    w.write_file(QStringLiteral("other.rav"), "o");
    w.click_file(QStringLiteral("other.rav"));
    QVERIFY(QFile::remove(tune));
    MAKE_FIFO_OR_SKIP(tune);

    w.click_file(QStringLiteral("pipe.rav"));

    // The click returns (nobody ever writes into the FIFO) and the failure is told.
    QCOMPARE(w.dialogs.messages.size(), 1);
    QVERIFY(!w.dialogs.messages[0].text.isEmpty());
    QVERIFY(w.controls().Text1->toPlainText().isEmpty());
    QCOMPARE(w.state().target_file, QDir::toNativeSeparators(tune));
}

void TestPreview::shift_jis_and_utf8_read_alike()
{
    StartedWindow w({.show = true});
    // "ドレミ音" and "ｱ" in CP932, then the same text in UTF-8, then UTF-8 behind a BOM.
    w.write_file(QStringLiteral("sjis.rav"), "t120\r\n\x83\x68\x83\x8c\x83\x7e\x89\xb9 \xb1\r\n");
    w.write_file(QStringLiteral("utf8.rav"), "t120\r\nドレミ音 ｱ\r\n");
    w.write_file(QStringLiteral("bom.rav"), "\xef\xbb\xbft120\r\nドレミ音 ｱ\r\n");
    const QStringList expected{QStringLiteral("t120"), QStringLiteral("ドレミ音 ｱ")};

    for (const QString& name :
         {QStringLiteral("sjis.rav"), QStringLiteral("utf8.rav"), QStringLiteral("bom.rav")}) {
        w.click_file(name);
        QCOMPARE(field_lines(w.controls().Text1), expected);
    }
    QVERIFY(w.dialogs.messages.isEmpty());
}

void TestPreview::vanished_file_is_reported_and_unlisted()
{
    StartedWindow w({.show = true});
    const QString kept = w.write_file(QStringLiteral("kept.rav"), "k");
    const QString gone = w.write_file(QStringLiteral("gone.rav"), "g");
    w.click_file(QStringLiteral("kept.rav"));
    QVERIFY(QFile::remove(gone));

    w.click_file(QStringLiteral("gone.rav"));

    QCOMPARE(w.dialogs.messages.size(), 1);
    QCOMPARE(w.dialogs.messages[0].text, QStringLiteral("ファイルが存在しません"));
    QCOMPARE(w.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(w.dialogs.messages[0].icon, MessageIcon::None);
    QVERIFY(!w.controls().File1->names().contains(QStringLiteral("gone.rav")));
    QVERIFY(w.controls().File1->names().contains(QStringLiteral("kept.rav")));
    QCOMPARE(w.controls().File1->selected_index(), -1);
    QVERIFY(w.controls().Text1->toPlainText().isEmpty());
    // The target names the vanished file; the display still shows the one before.
    QCOMPARE(w.state().target_file, QDir::toNativeSeparators(gone));
    QCOMPARE(w.status_text(), QStringLiteral("対象ファイル：") + QDir::toNativeSeparators(kept));
}

void TestPreview::root_folder_gives_one_separator()
{
    QCOMPARE(join_folder_file(QString(QDir::separator()), QStringLiteral("a.rav")),
             QString(QDir::separator()) + QStringLiteral("a.rav"));

    // A folder text that ends in the separator, as a root's does.
    StartedWindow w({.show = true});
    w.write_file(QStringLiteral("r.rav"), "r");
    w.controls().File1->set_path(QDir::toNativeSeparators(w.temp.path()) + QDir::separator());
    w.click_file(QStringLiteral("r.rav"));
    QCOMPARE(w.state().target_file, QDir::toNativeSeparators(w.path(QStringLiteral("r.rav"))));
    QCOMPARE(w.controls().Text1->toPlainText(), QStringLiteral("r"));
}

void TestPreview::clicking_again_and_keys_reread()
{
    StartedWindow w({.show = true});
    w.write_file(QStringLiteral("a.rav"), "first");
    w.write_file(QStringLiteral("b.rav"), "other");
    w.click_file(QStringLiteral("a.rav"));
    QCOMPARE(w.controls().Text1->toPlainText(), QStringLiteral("first"));

    // Changed on disk meanwhile: a click on the selected name shows the new text.
    w.write_file(QStringLiteral("a.rav"), "second");
    w.click_file(QStringLiteral("a.rav"));
    QCOMPARE(w.controls().Text1->toPlainText(), QStringLiteral("second"));

    // A keyboard move selects the next file the same way.
    w.controls().File1->setFocus();
    QTest::keyClick(w.controls().File1, Qt::Key_Down);
    QCOMPARE(w.state().target_file, QDir::toNativeSeparators(w.path(QStringLiteral("b.rav"))));
    QCOMPARE(w.controls().Text1->toPlainText(), QStringLiteral("other"));

    // Selecting the selected row from the program reads it afresh, as a click does.
    w.write_file(QStringLiteral("b.rav"), "changed");
    w.controls().File1->select_index(w.controls().File1->selected_index());
    QCOMPARE(w.controls().Text1->toPlainText(), QStringLiteral("changed"));
}

void TestPreview::huge_single_line_is_refused_after_a_bounded_read()
{
    StartedWindow w({.show = true});
    // 1 GiB without a line end (a sparse file of NULs: a binary file of one line).
    const QString huge = w.write_file(QStringLiteral("huge.rav"), "x");
    QFile file(huge);
    QVERIFY(file.resize(qint64(1) << 30));
    w.write_file(QStringLiteral("small.rav"), "s");
    w.click_file(QStringLiteral("small.rav"));
    w.dialogs.clear();

    const qint64 before = bytes_read_so_far();
    w.click_file(QStringLiteral("huge.rav"));
    const qint64 after = bytes_read_so_far();

    QCOMPARE(w.dialogs.texts(), QStringList({kTooLong}));
    QVERIFY(w.controls().Text1->toPlainText().isEmpty());
    QCOMPARE(w.state().target_file, QDir::toNativeSeparators(huge));
    QCOMPARE(w.status_text(), QStringLiteral("対象ファイル：") + QDir::toNativeSeparators(huge));
    if (before >= 0)
        QVERIFY2(after - before < 4 * kPreviewMaxLineBytes, qPrintable(QString::number(after - before)));
}

void TestPreview::binary_file_is_shown_within_bounds()
{
    StartedWindow w({.show = true});
    QByteArray bytes;
    for (int i = 0; i < 300; ++i)
        bytes += QByteArray("\x00\x01\xff\xfe"
                            "AB\x00\x81\r",
                            9);
    w.write_file(QStringLiteral("bin.rav"), bytes);

    w.click_file(QStringLiteral("bin.rav"));

    QVERIFY(w.dialogs.messages.isEmpty());
    const QStringList lines = field_lines(w.controls().Text1);
    QCOMPARE(lines.size(), 200);
    // NULs are shown as ␀, never handed to the field.
    QVERIFY(lines[0].startsWith(QStringLiteral("␀")));
    QVERIFY(lines[0].contains(QStringLiteral("AB␀")));
    QVERIFY(!w.controls().Text1->toPlainText().contains(QChar(0)));
}

void TestPreview::too_much_text_for_the_field_is_refused()
{
    StartedWindow w({.show = true});
    // Each line within the line bound, together more than the field takes.
    const QByteArray line = QByteArray(kPreviewMaxLineBytes - 10, 'c') + "\r\n";
    const int fitting = int(kPreviewMaxBytes / line.size());
    w.write_file(QStringLiteral("wide.rav"), line.repeated(fitting + 1));
    w.write_file(QStringLiteral("fits.rav"), line.repeated(fitting));

    w.click_file(QStringLiteral("wide.rav"));
    QCOMPARE(w.dialogs.texts(), QStringList({kTooLong}));
    QVERIFY(w.controls().Text1->toPlainText().isEmpty());
    QCOMPARE(w.state().target_file, QDir::toNativeSeparators(w.path(QStringLiteral("wide.rav"))));

    // One line past the line bound is refused although the file is small.
    w.dialogs.clear();
    w.write_file(QStringLiteral("line.rav"), QByteArray(kPreviewMaxLineBytes + 1, 'c'));
    w.click_file(QStringLiteral("line.rav"));
    QCOMPARE(w.dialogs.texts(), QStringList({kTooLong}));
    QVERIFY(w.controls().Text1->toPlainText().isEmpty());

    w.dialogs.clear();
    w.click_file(QStringLiteral("fits.rav"));
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(field_lines(w.controls().Text1).size(), fitting);
}

void TestPreview::foreign_name_is_told_once_an_action_data()
{
    QTest::addColumn<QByteArray>("bytes"); // sorting before "other.rav"
    QTest::addColumn<bool>("by_key");      // chosen by a key, else by a click
    QTest::addColumn<QString>("told");     // a word of the box
    const QByteArray unreadable("caf\xe9.rav");
    const QByteArray cp932("a\x8b\xc8.rav"); // a曲.rav, its renaming declined
    QTest::newRow("unreadable, clicked") << unreadable << false << QStringLiteral("読めない文字");
    QTest::newRow("unreadable, by a key") << unreadable << true << QStringLiteral("読めない文字");
    QTest::newRow("CP932 declined, clicked") << cp932 << false << QStringLiteral("変更しますか");
    QTest::newRow("CP932 declined, by a key") << cp932 << true << QStringLiteral("変更しますか");
}

// The box clears the selection; the focus coming back when it closes (or by Tab) chooses
// nothing, so the first row, this name, is not told again until the user acts again.
void TestPreview::foreign_name_is_told_once_an_action()
{
#ifdef Q_OS_LINUX
    QFETCH(QByteArray, bytes);
    QFETCH(bool, by_key);
    QFETCH(QString, told);
    StartedWindow w({.show = true});
    const int fd =
        ::open((QFile::encodeName(w.start_dir) + '/' + bytes).constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0 && ::close(fd) == 0);
    w.write_file(QStringLiteral("other.rav"), "o");
    FileList* list = w.controls().File1;
    list->refresh();
    QVERIFY(!list->foreign_name(0).isEmpty());
    list->setFocus();

    for (int action = 1; action <= 2; ++action) {
        w.dialogs.answers.enqueue(MessageAnswer::No);
        if (by_key)
            QTest::keyClick(list, Qt::Key_Home);
        else
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(0, 0)).center());
        QTRY_COMPARE(w.dialogs.messages.size(), action);
        for (const Qt::FocusReason reason :
             {Qt::ActiveWindowFocusReason, Qt::TabFocusReason, Qt::OtherFocusReason}) {
            QFocusEvent back(QEvent::FocusIn, reason);
            QApplication::sendEvent(list, &back);
        }
        QCoreApplication::sendPostedEvents();
        QCOMPARE(w.dialogs.messages.size(), action);
        QVERIFY2(w.dialogs.messages.last().text.contains(told), qPrintable(w.dialogs.messages.last().text));
        QCOMPARE(list->selected_index(), -1);
        QVERIFY(w.state().target_file.isEmpty());
    }
#else
    QSKIP("file names are text on this system");
#endif
}

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
