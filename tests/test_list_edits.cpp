// The play list's edits and a list play's place in it, row by row: removing, moving one place,
// dragging, and the walk going on through edits made while an entry plays.

#include "album_file.h"
#include "list_walk.h"
#include "play_list.h"

#include <QBuffer>
#include <QtTest>

namespace {

PlayList list_of(const QStringList& rows)
{
    PlayList list;
    for (int i = 0; i < rows.size(); ++i)
        list.list_entries[i] = rows[i];
    list.list_count = static_cast<std::int16_t>(rows.size());
    return list;
}

QStringList rows_of(const PlayList& list, int rows)
{
    QStringList shown;
    for (int i = 0; i < rows; ++i)
        shown << list.list_entries[i];
    return shown;
}

QList<int> numbers(const QString& text)
{
    QList<int> result;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        result << part.toInt();
    return result;
}

// One edit as a word and its rows: "remove 1,2", "up 1", "down 0", "drag 0,1>3".
ListEdit edit_by(PlayList& list, int rows, const QString& command)
{
    const QString verb = command.section(QLatin1Char(' '), 0, 0);
    const QString args = command.section(QLatin1Char(' '), 1);
    if (verb == QLatin1String("remove"))
        return remove_entries(list, rows, numbers(args));
    if (verb == QLatin1String("up") || verb == QLatin1String("down"))
        return move_entries(list, rows, numbers(args), verb == QLatin1String("up") ? -1 : 1);
    return move_entries_before(list, rows, numbers(args.section(QLatin1Char('>'), 0, 0)),
                               args.section(QLatin1Char('>'), 1).toInt());
}

} // namespace

class TestListEdits : public QObject {
    Q_OBJECT
private slots:
    void edits_data();
    void edits();
    void moves_allowed_data();
    void moves_allowed();
    void walk_through_edits_data();
    void walk_through_edits();
    void full_list_walk_ends_at_capacity();
    void album_loaded_edited_saved_data();
    void album_loaded_edited_saved();
};

void TestListEdits::edits_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<int>>("moved_to");
    const QStringList abcd{"a", "b", "c", "d"};
    QTest::newRow("remove one: the next row is selected")
        << abcd << "remove 1" << QStringList{"a", "c", "d"} << QList<int>{1} << QList<int>{0, -1, 1, 2};
    QTest::newRow("remove apart: the row after the last removed")
        << abcd << "remove 0,2" << QStringList{"b", "d"} << QList<int>{1} << QList<int>{-1, 0, -1, 1};
    QTest::newRow("remove the last: the new last row")
        << abcd << "remove 3" << QStringList{"a", "b", "c"} << QList<int>{2} << QList<int>{0, 1, 2, -1};
    QTest::newRow("remove all") << abcd << "remove 3,2,1,0" << QStringList{} << QList<int>{}
                                << QList<int>{-1, -1, -1, -1};
    QTest::newRow("remove nothing or rows not there")
        << abcd << "remove 7,-1" << abcd << QList<int>{} << QList<int>{0, 1, 2, 3};
    QTest::newRow("remove the same file twice listed")
        << QStringList{"a", "a", "b"} << "remove 0" << QStringList{"a", "b"} << QList<int>{0}
        << QList<int>{-1, 0, 1};
    QTest::newRow("remove an empty row an album left")
        << QStringList{"a", "", "c"} << "remove 1" << QStringList{"a", "c"} << QList<int>{1}
        << QList<int>{0, -1, 1};
    QTest::newRow("up one") << abcd << "up 2" << QStringList{"a", "c", "b", "d"} << QList<int>{1}
                            << QList<int>{0, 2, 1, 3};
    QTest::newRow("up a block") << abcd << "up 2,3" << QStringList{"a", "c", "d", "b"} << QList<int>{1, 2}
                                << QList<int>{0, 3, 1, 2};
    QTest::newRow("up rows apart") << abcd << "up 1,3" << QStringList{"b", "a", "d", "c"} << QList<int>{0, 2}
                                   << QList<int>{1, 0, 3, 2};
    QTest::newRow("up at the top moves nothing")
        << abcd << "up 0,2" << abcd << QList<int>{0, 2} << QList<int>{0, 1, 2, 3};
    QTest::newRow("down a block") << abcd << "down 0,1" << QStringList{"c", "a", "b", "d"} << QList<int>{1, 2}
                                  << QList<int>{1, 2, 0, 3};
    QTest::newRow("down at the end moves nothing")
        << abcd << "down 3" << abcd << QList<int>{3} << QList<int>{0, 1, 2, 3};
    QTest::newRow("drag down before a row")
        << abcd << "drag 0>3" << QStringList{"b", "c", "a", "d"} << QList<int>{2} << QList<int>{2, 0, 1, 3};
    QTest::newRow("drag up to the top") << abcd << "drag 2,3>0" << QStringList{"c", "d", "a", "b"}
                                        << QList<int>{0, 1} << QList<int>{2, 3, 0, 1};
    QTest::newRow("drag rows apart to the end") << abcd << "drag 0,2>4" << QStringList{"b", "d", "a", "c"}
                                                << QList<int>{2, 3} << QList<int>{2, 0, 3, 1};
    QTest::newRow("drag onto its own place")
        << abcd << "drag 1>2" << abcd << QList<int>{1} << QList<int>{0, 1, 2, 3};
}

void TestListEdits::edits()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, edit);
    QFETCH(QStringList, after);
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, moved_to);
    PlayList list = list_of(rows);
    list.list_entries[rows.size()] = QStringLiteral("stale"); // never shown: must not come back
    const ListEdit done = edit_by(list, int(rows.size()), edit);
    QCOMPARE(rows_of(list, int(after.size())), after);
    QCOMPARE(list.list_count, after.size());
    for (qsizetype i = after.size(); i < kListCapacity; ++i)
        QVERIFY2(list.list_entries[i].isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(done.selected, selected);
    QCOMPARE(done.moved_to, moved_to);
}

void TestListEdits::moves_allowed_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    QTest::newRow("nothing selected") << 3 << "" << false << false;
    QTest::newRow("the middle") << 3 << "1" << true << true;
    QTest::newRow("the first") << 3 << "0" << false << true;
    QTest::newRow("the last") << 3 << "2" << true << false;
    QTest::newRow("every row") << 3 << "0,1,2" << false << false;
    QTest::newRow("a single row") << 1 << "0" << false << false;
}

void TestListEdits::moves_allowed()
{
    QFETCH(int, rows);
    QFETCH(QString, selected);
    QFETCH(bool, up);
    QFETCH(bool, down);
    QCOMPARE(can_move_entries(rows, numbers(selected), -1), up);
    QCOMPARE(can_move_entries(rows, numbers(selected), 1), down);
}

void TestListEdits::walk_through_edits_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("script"); // "next" plays the next entry; anything else edits
    QTest::addColumn<QString>("played"); // what each "next" played, "-" for the walk's end
    QTest::addColumn<int>("playing");    // the row marked at the end
    const QStringList abcd{"a", "b", "c", "d"};
    QTest::newRow("no edits") << abcd << "next;next;next;next;next"
                              << "a b c d -" << -1;
    QTest::newRow("ends at an empty entry") << QStringList{"a", "", "c"} << "next;next"
                                            << "a -" << -1;
    QTest::newRow("a row above removed") << abcd << "next;next;remove 0;next"
                                         << "a b c" << 1;
    QTest::newRow("a row below removed") << abcd << "next;remove 1;next;next"
                                         << "a c d" << 2;
    QTest::newRow("the playing row removed: the one at its place") << abcd << "next;next;remove 1;next;next"
                                                                   << "a b c d" << 2;
    QTest::newRow("the playing row and the next removed") << abcd << "next;remove 0,1;next;next"
                                                          << "a c d" << 1;
    QTest::newRow("the playing row removed, then the next moved to the top: the list as it stands")
        << abcd << "next;next;remove 1;drag 1>0;next;next"
        << "a b c a" << 1;
    QTest::newRow("the last playing row removed, one added later")
        << QStringList{"a", "b"} << "next;next;remove 1;add e;next;next"
        << "a b e -" << -1;
    QTest::newRow("the playing row moved down: its new followers") << abcd << "next;drag 0>3;next;next"
                                                                   << "a d -" << -1;
    QTest::newRow("a row moved from above to below the playing one")
        << abcd << "next;next;drag 0>4;next;next;next"
        << "a b c d a" << 3;
    QTest::newRow("the playing row moved up") << abcd << "next;next;up 1;next;next"
                                              << "a b a c" << 2;
    QTest::newRow("all cleared") << abcd << "next;remove 0,1,2,3;next"
                                 << "a -" << -1;
    QTest::newRow("cleared and refilled") << abcd << "next;remove 0,1,2,3;add x;add y;next;next"
                                          << "a x y" << 1;
}

void TestListEdits::walk_through_edits()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, script);
    QFETCH(QString, played);
    QFETCH(int, playing);
    PlayList list = list_of(rows);
    int shown = int(rows.size());
    ListWalk walk;
    walk.start();
    QStringList seen;
    for (const QString& step : script.split(QLatin1Char(';'))) {
        if (step == QLatin1String("next")) {
            const int row = walk.advance(list);
            seen << (row < 0 ? QStringLiteral("-") : list.list_entries[row]);
        } else if (step.startsWith(QLatin1String("add "))) {
            QVERIFY(add_entry(list, step.mid(4)));
            walk.follow(rows_kept(shown++));
        } else {
            const ListEdit edit = edit_by(list, shown, step);
            shown = list.list_count;
            walk.follow(edit.moved_to);
        }
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), played);
    QCOMPARE(walk.playing_row(), playing);
    QCOMPARE(walk.running(), !played.endsWith(QLatin1Char('-')));
}

void TestListEdits::full_list_walk_ends_at_capacity()
{
    PlayList list;
    for (int i = 0; i < kListCapacity; ++i)
        QVERIFY(add_entry(list, QStringLiteral("t%1.rav").arg(i)));
    QVERIFY(!add_entry(list, QStringLiteral("one too many")));
    ListWalk walk;
    walk.start();
    int played = 0;
    while (walk.advance(list) >= 0)
        ++played;
    QCOMPARE(played, kListCapacity);
    QCOMPARE(walk.playing_row(), -1);
}

void TestListEdits::album_loaded_edited_saved_data()
{
    QTest::addColumn<QByteArray>("album");
    QTest::addColumn<QString>("edit"); // empty: saved as loaded
    QTest::addColumn<QByteArray>("saved");
    const QByteArray abc("a.rav\r\n\x83\x68.rav\r\nc.rav\r\n"); // the middle name in CP932
    QTest::newRow("unedited") << abc << "" << abc;
    QTest::newRow("one removed") << abc << "remove 1" << QByteArray("a.rav\r\nc.rav\r\n");
    QTest::newRow("the last dragged to the top")
        << abc << "drag 2>0" << QByteArray("c.rav\r\na.rav\r\n\x83\x68.rav\r\n");
    QTest::newRow("all removed: nothing left to save") << abc << "remove 0,1,2" << QByteArray();
}

void TestListEdits::album_loaded_edited_saved()
{
    QFETCH(QByteArray, album);
    QFETCH(QString, edit);
    QFETCH(QByteArray, saved);
    QBuffer file(&album);
    QVERIFY(file.open(QIODevice::ReadOnly));
    PlayList list;
    const AlbumLines read = read_album(file, list.list_capacity);
    QVERIFY(read.ok);
    const int rows = int(load_entries(list, read.lines).size());
    QCOMPARE(list.list_count, 0); // a loaded album leaves it there until the list is edited
    if (!edit.isEmpty())
        edit_by(list, rows, edit);
    QCOMPARE(album_bytes(list), saved);
}

QTEST_GUILESS_MAIN(TestListEdits)
#include "test_list_edits.moc"
