// The play list (リスト選択, List1) and album files (alb保存, alb読込), through the real
// window with scripted answers and save dialogs, checking the bytes written.

#include "fifos.h"
#include "file_list.h"
#include "file_size_limit.h"
#include "started_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <cerrno>
#include <optional>

namespace {

const QString kWritten = QStringLiteral("にリストを書き込みました");
const QString kNotWritten = QStringLiteral("にリストを書き込めませんでした");
const QString kNotRead = QStringLiteral("からリストを読み込めませんでした");
const QString kEmptyList = QStringLiteral("リストにファイルが選択されていません");

// "ドレミ.rav" in CP932.
const QByteArray kDoremiCp932("\x83\x68\x83\x8c\x83\x7e.rav");

QByteArray read_bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A folder "tunes" with a.rav, b.txt and ドレミ.rav, shown in list mode.
void list_mode_with_tunes(StartedWindow& w)
{
    w.write_file(QStringLiteral("tunes/a.rav"), "A");
    w.write_file(QStringLiteral("tunes/b.txt"), "B");
    w.write_file(QStringLiteral("tunes/ドレミ.rav"), "D");
    w.open_folder(w.path(QStringLiteral("tunes")));
    w.click_option(1);
}

// Saves through alb保存 with the dialog answering path.
void save_as(StartedWindow& w, const std::optional<QString>& path)
{
    w.dialogs.save_results.enqueue(path);
    w.click(w.controls().Command4);
}

// Loads an album of the shown folder through alb読込 in album mode.
void load_album(StartedWindow& w, const QString& name)
{
    if (w.state().select_mode != QStringLiteral("ledit")) {
        w.dialogs.answers.enqueue(MessageAnswer::Yes);
        w.click_option(2);
    }
    w.click_file(name);
    w.click(w.controls().Command7);
}

} // namespace

class TestAlbum : public QObject {
    Q_OBJECT
private slots:
    void list_takes_64_entries_with_duplicates();
    void add_needs_a_selected_name();
    void name_with_line_break_is_refused();
    void save_and_load_three_entries();
    void name_outside_cp932_round_trips_as_utf8();
    void save_dialog_answers();
    void typed_name_gets_album_extension_data();
    void typed_name_gets_album_extension();
    void load_takes_at_most_64_lines();
    void last_line_without_line_end();
    void loading_stops_at_the_first_empty_line_data();
    void loading_stops_at_the_first_empty_line();
    void fifo_album_does_not_hold_up_the_load();
    void existing_album_is_replaced_only_after_yes_data();
    void existing_album_is_replaced_only_after_yes();
    void failed_save_gives_its_reason_data();
    void failed_save_gives_its_reason();
    void failed_read_keeps_what_was_read();
};

void TestAlbum::list_takes_64_entries_with_duplicates()
{
    StartedWindow w({.show = true});
    list_mode_with_tunes(w);
    const QStringList names{QStringLiteral("a.rav"), QStringLiteral("b.txt"), QStringLiteral("a.rav")};
    QStringList expected;
    for (int i = 0; i < 64; ++i) {
        w.add_files({names[i % 3]});
        expected << names[i % 3];
    }
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.entries(), expected);
    QCOMPARE(w.rows(), expected);
    QCOMPARE(w.state().play_list.list_count, 64);

    w.add_files({QStringLiteral("b.txt")});
    QCOMPARE(w.dialogs.texts(), QStringList({"これ以上選択出来ません"}));
    QCOMPARE(w.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(w.entries(), expected);
    QCOMPARE(w.rows(), expected);
    QCOMPARE(w.state().play_list.list_count, 64);
}

void TestAlbum::add_needs_a_selected_name()
{
    StartedWindow w({.show = true});
    list_mode_with_tunes(w);
    // Right after the mode change there is no target.
    w.click(w.controls().Command5);
    QCOMPARE(w.dialogs.texts(), QStringList({"ファイルを選択してください"}));
    QVERIFY(w.entries().isEmpty());
    QCOMPARE(w.controls().List1->count(), 0);
}

void TestAlbum::name_with_line_break_is_refused()
{
#ifndef Q_OS_UNIX
    QSKIP("file names cannot hold a line break here");
#endif
    StartedWindow w({.show = true});
    w.write_file(QStringLiteral("tunes/two\nlines.rav"), "X");
    list_mode_with_tunes(w);
    w.add_files({QStringLiteral("two\nlines.rav")});
    QCOMPARE(w.dialogs.texts(), QStringList({"ファイル名に改行が含まれているため、リストに追加できません"}));
    QVERIFY(w.entries().isEmpty());
    QCOMPARE(w.controls().List1->count(), 0);
}

void TestAlbum::save_and_load_three_entries()
{
    StartedWindow w({.show = true});
    list_mode_with_tunes(w);
    w.add_files({QStringLiteral("ドレミ.rav"), QStringLiteral("a.rav"), QStringLiteral("b.txt")});
    const QString album = QDir::toNativeSeparators(w.path(QStringLiteral("tunes/three.alb")));

    save_as(w, album);

    QCOMPARE(w.dialogs.save_requests.size(), 1);
    const FileDialogRequest& request = w.dialogs.save_requests[0];
    QCOMPARE(request.title, QStringLiteral("アルバムファイルの保存"));
    QCOMPARE(request.filter, QStringLiteral("RavuFilerアルバムファイル (*.alb)|*.alb"));
    QCOMPARE(request.initial_folder, QDir::toNativeSeparators(w.path(QStringLiteral("tunes"))));
    QVERIFY(request.initial_name.isEmpty());
    QCOMPARE(w.dialogs.texts(), QStringList({album + kWritten}));
    QCOMPARE(read_bytes(album), kDoremiCp932 + "\r\na.rav\r\nb.txt\r\n");
    QVERIFY(w.state().album_file.isEmpty());
    QCOMPARE(w.state().play_list.list_count, 3);

    // The next save offers the name chosen before.
    save_as(w, std::nullopt);
    QCOMPARE(w.dialogs.save_requests[1].initial_name, QStringLiteral("three.alb"));

    load_album(w, QStringLiteral("three.alb"));
    QCOMPARE(w.entries(), QStringList({"ドレミ.rav", "a.rav", "b.txt"}));
    QCOMPARE(w.rows(), QStringList({"ドレミ.rav", "a.rav", "b.txt"}));
    QCOMPARE(w.state().play_list.list_count, 0);
}

void TestAlbum::name_outside_cp932_round_trips_as_utf8()
{
    StartedWindow w({.show = true});
    // Hangul and an emoji have no CP932 code.
    w.write_file(QStringLiteral("tunes/한국😀.rav"), "K");
    list_mode_with_tunes(w);
    w.add_files({QStringLiteral("ドレミ.rav"), QStringLiteral("한국😀.rav")});
    const QString album = w.path(QStringLiteral("tunes/mixed.alb"));
    save_as(w, album);

    QCOMPARE(read_bytes(album),
             QByteArray("\xef\xbb\xbf") + QStringLiteral("ドレミ.rav\r\n한국😀.rav\r\n").toUtf8());

    load_album(w, QStringLiteral("mixed.alb"));
    QCOMPARE(w.entries(), QStringList({"ドレミ.rav", "한국😀.rav"}));
}

void TestAlbum::save_dialog_answers()
{
    StartedWindow w({.show = true});
    list_mode_with_tunes(w);
    save_as(w, w.path(QStringLiteral("tunes/none.alb")));
    QCOMPARE(w.dialogs.texts(), QStringList({kEmptyList}));
    QVERIFY(w.dialogs.save_requests.isEmpty());
    w.dialogs.save_results.clear();

    w.add_files({QStringLiteral("a.rav")});
    w.dialogs.clear();
    save_as(w, std::nullopt);
    save_as(w, QString());
    QCOMPARE(w.dialogs.texts(),
             QStringList({"ファイルが指定されませんでした", "ファイル名が指定されませんでした"}));
    QCOMPARE(QDir(w.path(QStringLiteral("tunes"))).entryList({QStringLiteral("*.alb")}), QStringList());
}

void TestAlbum::typed_name_gets_album_extension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain name") << "best"
                                << "best.alb";
    QTest::newRow("other extension") << "best.v2"
                                     << "best.v2.alb";
    QTest::newRow("extension in capitals") << "BEST.ALB"
                                           << "BEST.ALB";
    QTest::newRow("name of a folder") << "a folder"
                                      << "a folder.alb";
    QTest::newRow("path of a folder") << "a folder/" << QString();
}

void TestAlbum::typed_name_gets_album_extension()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    StartedWindow w({.show = true});
    list_mode_with_tunes(w);
    w.make_folder(QStringLiteral("tunes/a folder"));
    w.add_files({QStringLiteral("a.rav")});
    w.dialogs.clear();
    save_as(w, w.path(QStringLiteral("tunes/") + typed));

    if (written.isEmpty()) {
        QCOMPARE(w.dialogs.texts(), QStringList{"ファイル名が指定されませんでした"});
        return;
    }
    const QString album = w.path(QStringLiteral("tunes/") + written);
    QCOMPARE(w.dialogs.texts(), QStringList{album + kWritten});
    QCOMPARE(read_bytes(album), QByteArray("a.rav\r\n"));
    QVERIFY(QFileInfo(w.path(QStringLiteral("tunes/a folder"))).isDir());
    w.dialogs.answers.enqueue(MessageAnswer::Yes);
    w.click_option(2);
    QVERIFY(w.controls().File1->names().contains(written));
}

void TestAlbum::load_takes_at_most_64_lines()
{
    StartedWindow w({.show = true});
    QByteArray bytes;
    QStringList expected;
    for (int i = 1; i <= 70; ++i) {
        bytes += "t" + QByteArray::number(i) + ".rav\r\n";
        if (i <= 64)
            expected << QStringLiteral("t%1.rav").arg(i);
    }
    w.write_file(QStringLiteral("seventy.alb"), bytes);
    load_album(w, QStringLiteral("seventy.alb"));
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.entries(), expected);
    QCOMPARE(w.rows(), expected);
}

void TestAlbum::last_line_without_line_end()
{
    StartedWindow w({.show = true});
    w.write_file(QStringLiteral("open.alb"), "a.rav\r\nb.rav");
    load_album(w, QStringLiteral("open.alb"));
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.rav"}));
    QCOMPARE(w.rows(), QStringList({"a.rav", "b.rav"}));
}

void TestAlbum::loading_stops_at_the_first_empty_line_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("LF line ends") << QByteArray("a.rav\nb.rav\nc.rav\n")
                                  << QStringList{"a.rav", "b.rav", "c.rav"};
    QTest::newRow("CR, LF and CR LF")
        << QByteArray("a.rav\rb.rav\nc.rav\r\n") << QStringList{"a.rav", "b.rav", "c.rav"};
    QTest::newRow("empty first line") << QByteArray("\r\nb.rav\r\nc.rav\r\n") << QStringList{};
    // Found by fuzz_album: a first line of only a byte-order mark is empty too.
    QTest::newRow("BOM, then an empty line") << QByteArray("\xef\xbb\xbf\r\nb.rav\r\n") << QStringList{};
    QTest::newRow("empty third line")
        << QByteArray("a.rav\nb.rav\n\nc.rav\n") << QStringList{"a.rav", "b.rav"};
}

void TestAlbum::loading_stops_at_the_first_empty_line()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    StartedWindow w({.show = true});
    for (const char* name : {"a.rav", "b.rav", "c.rav"})
        w.write_file(QString::fromLatin1(name), name);
    w.write_file(QStringLiteral("list.alb"), bytes);
    load_album(w, QStringLiteral("list.alb"));
    QCOMPARE(w.entries(), entries);
    QCOMPARE(w.rows(), entries);
    w.dialogs.clear();

    // A list play starts one run per entry, with the entry's path; an empty list, none.
    w.click(w.controls().Command1);
    QStringList played;
    for (const RecordedStart& start : w.system.starts)
        played << start.command.arguments.value(0);
    QStringList expected;
    for (const QString& entry : entries)
        expected << QDir::toNativeSeparators(w.path(entry));
    QCOMPARE(played, expected);
    QCOMPARE(w.dialogs.texts(), entries.isEmpty() ? QStringList{kEmptyList} : QStringList{});
}

void TestAlbum::fifo_album_does_not_hold_up_the_load()
{
    StartedWindow w({.show = true});
    const QString album = w.write_file(QStringLiteral("pipe.alb"), "a.rav\r\n");
    load_album(w, QStringLiteral("pipe.alb"));
    QCOMPARE(w.entries(), QStringList{"a.rav"});
    // Replaced by a FIFO after it was selected: the load returns and says so.
    QVERIFY(QFile::remove(album));
    MAKE_FIFO_OR_SKIP(album);
    w.dialogs.clear();
    w.click(w.controls().Command7);
    QCOMPARE(w.dialogs.texts(), QStringList({QDir::toNativeSeparators(album) + kNotRead}));
    QVERIFY(w.entries().isEmpty());
}

void TestAlbum::existing_album_is_replaced_only_after_yes_data()
{
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("typed"); // one name a save dialog; "" cancels it
    QTest::addColumn<QString>("written");   // the album that gets the list, or none
    QTest::addColumn<QStringList>("told");  // after the question(s)
    using A = MessageAnswer;
    QTest::newRow("yes") << QList<A>{A::Yes} << QStringList{"best"} << "best.alb"
                         << QStringList{"best.alb" + kWritten};
    QTest::newRow("no, then cancel") << QList<A>{A::No} << QStringList{"best", ""} << QString()
                                     << QStringList{"ファイルが指定されませんでした"};
    QTest::newRow("no, then another name") << QList<A>{A::No} << QStringList{"best.alb", "other"}
                                           << "other.alb" << QStringList{"other.alb" + kWritten};
    QTest::newRow("no twice, then yes")
        << QList<A>{A::No, A::No, A::Yes} << QStringList{"best", "best", "best"} << "best.alb"
        << QStringList{"best.alb" + kWritten};
}

// Typing the name of an album that is there asks first, naming the file with its
// extension; No goes back to the dialog with the name kept, and nothing is written before Yes.
void TestAlbum::existing_album_is_replaced_only_after_yes()
{
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, typed);
    QFETCH(QString, written);
    QFETCH(QStringList, told);
    StartedWindow w({.show = true});
    list_mode_with_tunes(w);
    const QByteArray old_album("old.rav\r\n");
    const QString best = w.write_file(QStringLiteral("tunes/best.alb"), old_album);
    w.add_files({QStringLiteral("a.rav")});
    w.dialogs.clear();
    QStringList asked; // the album's bytes while each question is open
    w.dialogs.on_message = [&](const RecordedMessage&) { asked << QString::fromLatin1(read_bytes(best)); };
    w.dialogs.answers.append(answers);
    for (const QString& name : typed)
        w.dialogs.save_results.enqueue(
            name.isEmpty() ? std::nullopt : std::optional(w.path(QStringLiteral("tunes/") + name)));

    w.click(w.controls().Command4);

    const QString tunes = QDir::toNativeSeparators(w.path(QStringLiteral("tunes"))) + QDir::separator();
    QStringList expected(answers.size(), QStringLiteral("「best.alb」は既にあります。上書きしますか？"));
    for (const QString& text : told)
        expected << (text.endsWith(kWritten) ? tunes + text : text);
    QCOMPARE(w.dialogs.texts(), expected);
    const RecordedMessage& question = w.dialogs.messages.first();
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.default_answer, MessageAnswer::No);
    QCOMPARE(asked.first(answers.size()), QStringList(answers.size(), QString::fromLatin1(old_album)));
    // Each dialog after a No offers the name just refused, in its folder.
    QCOMPARE(w.dialogs.save_requests.size(), typed.size());
    for (qsizetype i = 1; i < typed.size(); ++i) {
        QCOMPARE(w.dialogs.save_requests[i].initial_name, QStringLiteral("best.alb"));
        QCOMPARE(QDir(w.dialogs.save_requests[i].initial_folder), QDir(w.path(QStringLiteral("tunes"))));
    }
    QCOMPARE(read_bytes(best), written == QStringLiteral("best.alb") ? QByteArray("a.rav\r\n") : old_album);
    if (!written.isEmpty())
        QCOMPARE(read_bytes(w.path(QStringLiteral("tunes/") + written)), QByteArray("a.rav\r\n"));
    QCOMPARE(QDir(w.path(QStringLiteral("tunes"))).entryList({QStringLiteral("*.alb*")}).size(),
             written.isEmpty() || written == QStringLiteral("best.alb") ? 1 : 2);
}

void TestAlbum::failed_save_gives_its_reason_data()
{
    QTest::addColumn<QString>("album");
    QTest::addColumn<int>("size_limit"); // bytes a write may reach; 0 for none
    QTest::addColumn<QString>("reason");
    // A path through a regular file cannot be created, even by root.
#ifdef Q_OS_WIN
    const int through_a_file = 3; // ERROR_PATH_NOT_FOUND, the system's own error code
#else
    const int through_a_file = ENOTDIR;
#endif
    QTest::newRow("folder is a file") << "tunes/a.rav/x.alb" << 0 << qt_error_string(through_a_file);
    // The file size limit makes the write fail part way, as a full disk would.
    QTest::newRow("past the size limit") << "tunes/keep.alb" << 64 << qt_error_string(EFBIG);
}

// A save that fails says why, on a line of its own, and the old album stays whole.
void TestAlbum::failed_save_gives_its_reason()
{
    QFETCH(QString, album);
    QFETCH(int, size_limit);
    QFETCH(QString, reason);
    if (size_limit > 0 && !FileSizeLimit::available())
        QSKIP("needs a file size limit");
    StartedWindow w({.show = true});
    list_mode_with_tunes(w);
    const QByteArray old_album("old.rav\r\nolder.rav\r\n");
    w.write_file(QStringLiteral("tunes/keep.alb"), old_album);
    for (int i = 0; i < 30; ++i)
        w.add_files({QStringLiteral("a.rav")});
    w.dialogs.clear();
    w.dialogs.answers.enqueue(MessageAnswer::Yes); // to replace keep.alb
    const QString path = QDir::toNativeSeparators(w.path(album));
    {
        std::optional<FileSizeLimit> limit;
        if (size_limit > 0)
            QVERIFY(limit.emplace(size_limit).active());
        save_as(w, path);
    }
    QCOMPARE(w.dialogs.texts().last(), path + kNotWritten + QLatin1Char('\r') + reason);
    QCOMPARE(read_bytes(w.path(QStringLiteral("tunes/keep.alb"))), old_album);
    QCOMPARE(read_bytes(w.path(QStringLiteral("tunes/a.rav"))), QByteArray("A"));
    QCOMPARE(QDir(w.path(QStringLiteral("tunes"))).entryList({QStringLiteral("*.alb*")}),
             QStringList({"keep.alb"}));
}

void TestAlbum::failed_read_keeps_what_was_read()
{
    StartedWindow w({.show = true});
    // The third line is far too long to be a file name.
    w.write_file(QStringLiteral("broken.alb"),
                 "a.rav\r\nb.rav\r\n" + QByteArray(1 << 20, 'x') + "\r\nd.rav\r\n");
    load_album(w, QStringLiteral("broken.alb"));
    const QString path = QDir::toNativeSeparators(w.path(QStringLiteral("broken.alb")));
    QCOMPARE(w.dialogs.texts().last(), path + kNotRead);
    QCOMPARE(w.entries(), QStringList({"a.rav", "b.rav"}));
    QCOMPARE(w.rows(), QStringList({"a.rav", "b.rav"}));

    // An album gone since it was selected: the list is emptied and the failure reported.
    const QString gone = w.write_file(QStringLiteral("gone.alb"), "g.rav\r\n");
    w.click_file(QStringLiteral("gone.alb"));
    QVERIFY(QFile::remove(gone));
    w.dialogs.clear();
    w.click(w.controls().Command7);
    QCOMPARE(w.dialogs.texts(), QStringList({QDir::toNativeSeparators(gone) + kNotRead}));
    QVERIFY(w.entries().isEmpty());
    QCOMPARE(w.controls().List1->count(), 0);
}

QTEST_MAIN(TestAlbum)
#include "test_album.moc"
