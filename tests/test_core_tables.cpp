// The pure decisions behind the main window, row by row: what each selection mode sets up,
// when a mode change or a folder change must be confirmed, the album file's text and the
// trial tune composed from the definition file, and the rules that differ between the
// desktop systems.

#include "album_file.h"
#include "editor_defaults.h"
#include "messages.h"
#include "selection_mode.h"
#include "text_lines.h"
#include "trash_info.h"
#include "trial_tune.h"
#include "visible_text.h"

#include <QBuffer>
#include <QtTest>

Q_DECLARE_METATYPE(FolderDecision)
Q_DECLARE_METATYPE(DesktopSystem)

namespace {

// A mode's settings on one line: pattern, caption, the enabled controls (5 4 6 7 as
// "add save clear load", Check1 Check2 as "play quit") and the double-click.
QString describe(const ModeSettings& m)
{
    QStringList enabled;
    const std::pair<bool, const char*> flags[] = {
        {m.add_enabled, "add"},   {m.save_enabled, "save"},         {m.clear_enabled, "clear"},
        {m.load_enabled, "load"}, {m.play_at_once_enabled, "play"}, {m.quit_after_enabled, "quit"}};
    for (const auto& [on, name] : flags)
        if (on)
            enabled << QString::fromLatin1(name);
    const char* click = m.double_click == DoubleClickAction::PlayFile    ? "play file"
                        : m.double_click == DoubleClickAction::AddToList ? "add to list"
                                                                         : "load album";
    return QStringLiteral("%1 | %2 | %3 | %4 | %5")
        .arg(m.mode, m.file_pattern, m.launch_caption, enabled.join(QLatin1Char(' ')), QLatin1String(click));
}

PlayList list_of(const QStringList& entries, int capacity = kListCapacity)
{
    PlayList list;
    for (int i = 0; i < entries.size(); ++i)
        list.list_entries[i] = entries[i];
    list.list_count = static_cast<std::int16_t>(entries.size());
    list.list_capacity = static_cast<std::int16_t>(capacity);
    return list;
}

// A definition file as the trial reads it: its bytes through the line rule.
TextLines definition_of(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    return read_text_lines(buffer, LineBounds{});
}

} // namespace

class TestCoreTables : public QObject {
    Q_OBJECT
private slots:
    void mode_settings_data();
    void mode_settings();
    void mode_change_to_confirm_data();
    void mode_change_to_confirm();
    void folder_rule_data();
    void folder_rule();
    void album_text_data();
    void album_text();
    void trial_line_breaks_data();
    void trial_line_breaks();
    void trial_composition_data();
    void trial_composition();
    void character_codes_data();
    void character_codes();
    void drive_root_data();
    void drive_root();
    void native_text_data();
    void native_text();
    void trash_path_data();
    void trash_path();
};

void TestCoreTables::mode_settings_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("settings"); // empty: no such mode
    QTest::newRow("option 0") << 0 << QStringLiteral("simple")
                              << QStringLiteral("simple | *.txt;*.rav | ravu起動 | play quit | play file");
    QTest::newRow("option 1") << 1 << QStringLiteral("lselect")
                              << QStringLiteral(
                                     "lselect | *.txt;*.rav | アルバム演奏 | add save clear | add to list");
    QTest::newRow("option 2") << 2 << QStringLiteral("ledit")
                              << QStringLiteral("ledit | *.alb | アルバム演奏 | load | load album");
    QTest::newRow("no option below") << -1 << QString() << QString();
    QTest::newRow("no option above") << 3 << QStringLiteral("Simple") << QString();
    QTest::newRow("no word") << 3 << QStringLiteral("") << QString();
}

void TestCoreTables::mode_settings()
{
    QFETCH(int, option);
    QFETCH(QString, mode);
    QFETCH(QString, settings);
    const std::optional<ModeSettings> by_option = settings_for_option(option);
    const std::optional<ModeSettings> by_word = settings_for_mode(mode);
    QCOMPARE(by_option ? describe(*by_option) : QString(), settings);
    if (!mode.isNull())
        QCOMPARE(by_word ? describe(*by_word) : QString(), settings);
}

void TestCoreTables::mode_change_to_confirm_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("in_use");
    QTest::addColumn<int>("keep"); // the option to go back to when declined; -1: no question
    QTest::newRow("list mode, list in use, to simple") << "lselect" << 0 << true << 1;
    QTest::newRow("list mode, list in use, to album") << "lselect" << 2 << true << 1;
    QTest::newRow("list mode, list in use, again") << "lselect" << 1 << true << -1;
    QTest::newRow("list mode, empty list") << "lselect" << 0 << false << -1;
    QTest::newRow("album mode, album in use, to simple") << "ledit" << 0 << true << 2;
    QTest::newRow("album mode, album in use, to list") << "ledit" << 1 << true << 2;
    QTest::newRow("album mode, album in use, again") << "ledit" << 2 << true << -1;
    QTest::newRow("album mode, nothing loaded") << "ledit" << 1 << false << -1;
    QTest::newRow("simple mode never asks") << "simple" << 1 << true << -1;
}

void TestCoreTables::mode_change_to_confirm()
{
    QFETCH(QString, mode);
    QFETCH(int, option);
    QFETCH(bool, in_use);
    QFETCH(int, keep);
    QCOMPARE(option_to_keep(mode, option, in_use).value_or(-1), keep);
}

void TestCoreTables::folder_rule_data()
{
    const QString here = QStringLiteral("/music/tunes");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("in_use");
    QTest::addColumn<FolderDecision>("decision");
    QTest::addColumn<QString>("question");
    QTest::newRow("simple") << "simple"
                            << "/elsewhere" << true << FolderDecision::Accept << QString();
    QTest::newRow("list in use, away")
        << "lselect"
        << "/elsewhere" << true << FolderDecision::Ask << kListSelectFolderQuestion;
    QTest::newRow("list in use, same folder")
        << "lselect" << here << true << FolderDecision::Accept << QString();
    QTest::newRow("list in use, same folder with a slash")
        << "lselect" << here + "/" << true << FolderDecision::Ask << kListSelectFolderQuestion;
    QTest::newRow("list empty, away") << "lselect"
                                      << "/elsewhere" << false << FolderDecision::Accept << QString();
    QTest::newRow("album in use, away")
        << "ledit"
        << "/elsewhere" << true << FolderDecision::Ask << kAlbumFolderQuestion;
    QTest::newRow("album in use, same folder")
        << "ledit" << here << true << FolderDecision::Accept << QString();
    QTest::newRow("nothing loaded, away") << "ledit"
                                          << "/elsewhere" << false << FolderDecision::Accept << QString();
    QTest::newRow("unknown mode") << "edit" << here << false << FolderDecision::Abnormal << kAbnormalState;
    QTest::newRow("no mode") << "" << here << false << FolderDecision::Abnormal << kAbnormalState;
}

void TestCoreTables::folder_rule()
{
    QFETCH(QString, mode);
    QFETCH(QString, folder);
    QFETCH(bool, in_use);
    QFETCH(FolderDecision, decision);
    QFETCH(QString, question);
    const FolderRuleResult result =
        folder_rule_decision(mode, folder, QStringLiteral("/music/tunes"), in_use);
    QCOMPARE(result.decision, decision);
    QCOMPARE(result.question, question);
}

void TestCoreTables::album_text_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QStringList{} << kListCapacity << QString() << QByteArray();
    QTest::newRow("two names") << QStringList{"a.rav", "b b.txt"} << kListCapacity
                               << QStringLiteral("a.rav\r\nb b.txt\r\n")
                               << QByteArray("a.rav\r\nb b.txt\r\n");
    QTest::newRow("ends at the first empty entry") << QStringList{"a.rav", "", "c.rav"} << kListCapacity
                                                   << QStringLiteral("a.rav\r\n") << QByteArray("a.rav\r\n");
    QTest::newRow("empty first entry")
        << QStringList{"", "b.rav"} << kListCapacity << QString() << QByteArray();
    QTest::newRow("no more than the capacity")
        << QStringList{"a.rav", "b.rav", "c.rav"} << 2 << QStringLiteral("a.rav\r\nb.rav\r\n")
        << QByteArray("a.rav\r\nb.rav\r\n");
    QTest::newRow("Japanese in CP932") << QStringList{QStringLiteral("曲.rav")} << kListCapacity
                                       << QStringLiteral("曲.rav\r\n") << QByteArray("\x8b\xc8.rav\r\n");
    QTest::newRow("a name CP932 lacks: all UTF-8 behind a BOM")
        << QStringList{QStringLiteral("曲.rav"), QStringLiteral("〜.rav")} << kListCapacity
        << QStringLiteral("曲.rav\r\n〜.rav\r\n")
        << QByteArray("\xef\xbb\xbf\xe6\x9b\xb2.rav\r\n\xe3\x80\x9c.rav\r\n");
}

void TestCoreTables::album_text()
{
    QFETCH(QStringList, entries);
    QFETCH(int, capacity);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const PlayList list = list_of(entries, capacity);
    QCOMPARE(::album_text(list), text);
    QCOMPARE(album_bytes(list), bytes);
}

void TestCoreTables::trial_line_breaks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("LF") << "a\nb"
                        << "a\r\nb";
    QTest::newRow("CR LF stays one break") << "a\r\nb"
                                           << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\r\nb";
    QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                         << "a\r\n\r\nb";
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << "a\r\nb";
    QTest::newRow("trailing break") << "cde\n"
                                    << "cde\r\n";
    QTest::newRow("no break") << "cde"
                              << "cde";
}

void TestCoreTables::trial_line_breaks()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QCOMPARE(trial_text_with_crlf(field), text);
}

void TestCoreTables::trial_composition_data()
{
    QTest::addColumn<QByteArray>("definition"); // the definition file's bytes
    QTest::addColumn<QString>("trial");         // the trial text, line breaks as CR LF
    QTest::addColumn<QByteArray>("tune");       // nothing composed: empty, refused names the character
    QTest::addColumn<QString>("refused");
    QTest::newRow("lines joined by CR LF, then a CR LF, then the text")
        << QByteArray("@A P018\r\n;x\r\n") << "cde\r\nefg" << QByteArray("@A P018\r\n;x\r\ncde\r\nefg")
        << QString();
    QTest::newRow("single line without line end")
        << QByteArray("@A P018") << "cde" << QByteArray("@A P018\r\ncde") << QString();
    QTest::newRow("last line without line end")
        << QByteArray("a\r\nb") << "c" << QByteArray("a\r\nb\r\nc") << QString();
    QTest::newRow("lone CR ends a line")
        << QByteArray("a\rb\r") << "c" << QByteArray("a\r\nb\r\nc") << QString();
    QTest::newRow("LF-only definition file")
        << QByteArray("a\nb\n") << "c" << QByteArray("a\r\nb\r\nc") << QString();
    QTest::newRow("definition with empty lines")
        << QByteArray("\r\n\r\na\r\n") << "c" << QByteArray("\r\n\r\na\r\nc") << QString();
    QTest::newRow("empty definition file") << QByteArray() << "cde" << QByteArray("\r\ncde") << QString();
    QTest::newRow("empty trial text") << QByteArray("a\r\n") << "" << QByteArray("a\r\n") << QString();
    QTest::newRow("definition not UTF-8: its bytes unchanged")
        << QByteArray("\x80\xa0\xfd\r\n") << "c" << QByteArray("\x80\xa0\xfd\r\nc") << QString();
    QTest::newRow("UTF-8 definition written in CP932")
        << QStringLiteral("; メンバ〜\n").toUtf8() << "c"
        << QByteArray("; \x83\x81\x83\x93\x83\x6f\x81\x60\r\nc") << QString();
    QTest::newRow("UTF-8 definition behind a BOM")
        << QByteArray("\xef\xbb\xbf\xe6\x9b\xb2\r\n") << "" << QByteArray("\x8b\xc8\r\n") << QString();
    QTest::newRow("look-alikes typed in CP932")
        << QByteArray("a\r\n") << QStringLiteral("〜−") << QByteArray("a\r\n\x81\x60\x81\x7c") << QString();
    QTest::newRow("a character CP932 lacks in the text")
        << QByteArray("a") << QStringLiteral("c😀") << QByteArray() << QStringLiteral("😀");
    QTest::newRow("a character CP932 lacks in a UTF-8 definition")
        << QByteArray("\xc3\xa9") << "c" << QByteArray() << QStringLiteral("é");
}

void TestCoreTables::trial_composition()
{
    QFETCH(QByteArray, definition);
    QFETCH(QString, trial);
    QFETCH(QByteArray, tune);
    QFETCH(QString, refused);
    QString refused_character;
    const std::optional<QByteArray> composed =
        trial_tune_bytes(definition_of(definition), trial, &refused_character);
    QCOMPARE(composed.value_or(QByteArray()), tune);
    QCOMPARE(composed.has_value(), refused.isEmpty());
    QCOMPARE(refused_character, refused);
}

void TestCoreTables::character_codes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codes");
    QTest::newRow("padded to four digits") << QStringLiteral("é") << "U+00E9";
    QTest::newRow("capital hex digits") << QStringLiteral("한") << "U+D55C";
    QTest::newRow("surrogate pair is one character") << QStringLiteral("😀") << "U+1F600";
    QTest::newRow("combining mark named apart") << QStringLiteral("e\u0301") << "U+0065U+0301";
}

void TestCoreTables::character_codes()
{
    QFETCH(QString, text);
    QFETCH(QString, codes);
    QCOMPARE(code_points(text), codes);
}

void TestCoreTables::drive_root_data()
{
    QTest::addColumn<DesktopSystem>("system");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<QString>("root");
    const auto unix = DesktopSystem::OtherUnix;
    const auto windows = DesktopSystem::Windows;
    const QStringList mounts{"/", "/mnt/usb"};
    QTest::newRow("longest root wins") << unix << "/mnt/usb/a/b.rav" << mounts << "/mnt/usb";
    QTest::newRow("the root itself") << unix << "/mnt/usb" << mounts << "/mnt/usb";
    QTest::newRow("a name sharing the root's start is beside it") << unix << "/mnt/usbx/a" << mounts << "/";
    QTest::newRow("case counts off Windows") << unix << "/MNT/USB/a" << QStringList{"/mnt/usb"} << "";
    QTest::newRow("case ignored on Windows")
        << windows << "c:\\music\\a.rav" << QStringList{"C:\\", "D:\\"} << "C:\\";
    QTest::newRow("folder mounted on a drive")
        << windows << "C:\\Mnt\\Disk\\x" << QStringList{"C:\\", "c:\\mnt\\disk"} << "c:\\mnt\\disk";
    QTest::newRow("no drive holds it") << windows << "E:\\a" << QStringList{"C:\\", "D:\\"} << "";
}

void TestCoreTables::drive_root()
{
    QFETCH(DesktopSystem, system);
    QFETCH(QString, path);
    QFETCH(QStringList, roots);
    QFETCH(QString, root);
    QCOMPARE(drive_root_of(path, roots, system), root);
}

void TestCoreTables::native_text_data()
{
    QTest::addColumn<DesktopSystem>("system");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");
    const QByteArray utf8 = "a\n\xef\xbd\xb1\xe3\x81\x82\n"; // a, half-width katakana, hiragana
    QTest::newRow("Windows: code page and CR LF")
        << DesktopSystem::Windows << utf8 << QByteArray("a\r\n\xb1\x82\xa0\r\n");
    QTest::newRow("macOS: as it is") << DesktopSystem::MacOs << utf8 << utf8;
    QTest::newRow("other Unix: as it is") << DesktopSystem::OtherUnix << utf8 << utf8;
}

void TestCoreTables::native_text()
{
    QFETCH(DesktopSystem, system);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    QCOMPARE(native_text_file(text, system), written);
}

void TestCoreTables::trash_path_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("kept as is") << QByteArray("/aZ09-_.!~*'()") << QByteArray("/aZ09-_.!~*'()");
    QTest::newRow("blank, percent, UTF-8 as capital %XX")
        << QByteArray("a b%\xE3\x81\x82") << QByteArray("a%20b%25%E3%81%82");
    QTest::newRow("NUL, bytes not UTF-8, other ASCII")
        << QByteArray("\0\xFF:?#[]@&=+$,;\\", 15)
        << QByteArray("%00%FF%3A%3F%23%5B%5D%40%26%3D%2B%24%2C%3B%5C");
}

void TestCoreTables::trash_path()
{
    QFETCH(QByteArray, raw);
    QFETCH(QByteArray, escaped);
    QCOMPARE(trash_escaped_path(raw), escaped);
}

QTEST_MAIN(TestCoreTables)
#include "test_core_tables.moc"
