// The play list's edits and a list play's place in it, row by row: removing, moving one place,
// dragging, the walk going on through edits made while an entry plays, and an album loaded,
// edited and saved again.

#include "album_file.h"
#include "list_walk.h"
#include "play_list.h"

#include <QBuffer>
#include <QtTest>

namespace {

// Rows written with blanks between them ("a b c"), numbers with commas ("0,-1,1").
QStringList words(const QString& text) { return text.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

QList<int> numbers(const QString& text)
{
    QList<int> result;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        result << part.toInt();
    return result;
}

PlayList list_of(const QStringList& rows)
{
    PlayList list;
    for (int i = 0; i < rows.size(); ++i)
        list.list_entries[i] = rows[i];
    list.list_count = static_cast<std::int16_t>(rows.size());
    return list;
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
    void walk_through_edits_data();
    void walk_through_edits();
    void album_loaded_edited_saved_data();
    void album_loaded_edited_saved();
};

void TestListEdits::edits_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("moved_to");
    const struct {
        const char *name, *rows, *edit, *after, *selected, *moved_to;
    } cases[] = {
        {"remove one: the next row selected", "a b c d", "remove 1", "a c d", "1", "0,-1,1,2"},
        {"remove apart: the row after the last one", "a b c d", "remove 0,2", "b d", "1", "-1,0,-1,1"},
        {"remove the last: the new last row", "a b c d", "remove 3", "a b c", "2", "0,1,2,-1"},
        {"remove all", "a b c d", "remove 3,2,1,0", "", "", "-1,-1,-1,-1"},
        {"remove rows not there", "a b c d", "remove 7,-1", "a b c d", "", "0,1,2,3"},
        {"remove one of two equal entries", "a a b", "remove 0", "a b", "0", "-1,0,1"},
        {"up one", "a b c d", "up 2", "a c b d", "1", "0,2,1,3"},
        {"up a block", "a b c d", "up 2,3", "a c d b", "1,2", "0,3,1,2"},
        {"up rows apart", "a b c d", "up 1,3", "b a d c", "0,2", "1,0,3,2"},
        {"up at the top moves nothing", "a b c d", "up 0,2", "a b c d", "0,2", "0,1,2,3"},
        {"down a block", "a b c d", "down 0,1", "c a b d", "1,2", "1,2,0,3"},
        {"down at the end moves nothing", "a b c d", "down 3", "a b c d", "3", "0,1,2,3"},
        {"drag down before a row", "a b c d", "drag 0>3", "b c a d", "2", "2,0,1,3"},
        {"drag up to the top", "a b c d", "drag 2,3>0", "c d a b", "0,1", "2,3,0,1"},
        {"drag rows apart to the end", "a b c d", "drag 0,2>4", "b d a c", "2,3", "2,0,3,1"},
        {"drag onto its own place", "a b c d", "drag 1>2", "a b c d", "1", "0,1,2,3"},
    };
    for (const auto& c : cases)
        QTest::newRow(c.name) << c.rows << c.edit << c.after << c.selected << c.moved_to;
}

void TestListEdits::edits()
{
    QFETCH(QString, rows);
    QFETCH(QString, edit);
    QFETCH(QString, after);
    QFETCH(QString, selected);
    QFETCH(QString, moved_to);
    PlayList list = list_of(words(rows));
    list.list_entries[words(rows).size()] = QStringLiteral("stale"); // never shown: must not come back
    const ListEdit done = edit_by(list, int(words(rows).size()), edit);
    QCOMPARE(entries_in_use(list), words(after));
    QCOMPARE(list.list_count, words(after).size()); // add_entry appends after the last row
    QCOMPARE(done.selected, numbers(selected));
    QCOMPARE(done.moved_to, numbers(moved_to));
}

void TestListEdits::walk_through_edits_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("script"); // "next" plays the next entry; anything else edits
    QTest::addColumn<QString>("played"); // what each "next" played, "-" for the walk's end
    QTest::addColumn<int>("playing");    // the row marked at the end
    const struct {
        const char *name, *rows, *script, *played;
        int playing;
    } cases[] = {
        {"no edits", "a b c", "next;next;next;next", "a b c -", -1},
        {"ends at an empty entry", "a  c", "next;next", "a -", -1},
        {"a row above removed", "a b c d", "next;next;remove 0;next", "a b c", 1},
        {"a row below removed", "a b c d", "next;remove 1;next;next", "a c d", 2},
        {"the playing row removed: the one at its place", "a b c d", "next;next;remove 1;next;next",
         "a b c d", 2},
        {"the playing row and the next removed", "a b c d", "next;remove 0,1;next;next", "a c d", 1},
        {"the next one followed to the top", "a b c d", "next;next;remove 1;drag 1>0;next;next", "a b c a",
         1},
        {"the last removed while playing, one added", "a b", "next;next;remove 1;add e;next;next", "a b e -",
         -1},
        {"the playing row moved down", "a b c d", "next;drag 0>3;next;next", "a d -", -1},
        {"a played row moved below the playing one", "a b c d", "next;next;drag 0>4;next;next;next",
         "a b c d a", 3},
        {"the playing row moved up", "a b c d", "next;next;up 1;next;next", "a b a c", 2},
        {"all removed", "a b c d", "next;remove 0,1,2,3;next", "a -", -1},
        {"all removed and refilled", "a b c d", "next;remove 0,1,2,3;add x;add y;next;next", "a x y", 1},
    };
    for (const auto& c : cases)
        QTest::newRow(c.name) << c.rows << c.script << c.played << c.playing;
}

void TestListEdits::walk_through_edits()
{
    QFETCH(QString, rows);
    QFETCH(QString, script);
    QFETCH(QString, played);
    QFETCH(int, playing);
    // Two blanks stand for an empty entry.
    const QStringList entries = rows.split(QLatin1Char(' '));
    PlayList list = list_of(entries);
    int shown = int(entries.size());
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
            walk.follow(edit_by(list, shown, step).moved_to);
            shown = list.list_count;
        }
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), played);
    QCOMPARE(walk.playing_row(), playing);
    QCOMPARE(walk.running(), !played.endsWith(QLatin1Char('-')));
}

void TestListEdits::album_loaded_edited_saved_data()
{
    QTest::addColumn<QByteArray>("album");
    QTest::addColumn<QString>("edit"); // empty: saved as loaded
    QTest::addColumn<QByteArray>("saved");
    const QByteArray abc("a.rav\r\n\x83\x68.rav\r\nc.rav\r\n"); // the middle name in CP932
    QTest::newRow("unedited") << abc << "" << abc;
    QTest::newRow("one removed") << abc << "remove 1" << QByteArray("a.rav\r\nc.rav\r\n");
    QTest::newRow("dragged to the top")
        << abc << "drag 2>0" << QByteArray("c.rav\r\na.rav\r\n\x83\x68.rav\r\n");
    QTest::newRow("all removed: nothing to save") << abc << "remove 0,1,2" << QByteArray();
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
    if (!edit.isEmpty())
        edit_by(list, rows, edit);
    QCOMPARE(album_bytes(list), saved);
}

QTEST_GUILESS_MAIN(TestListEdits)
#include "test_list_edits.moc"
