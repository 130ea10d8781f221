// The trial-play window: the definition file and its template, the trial tune, the
// messages, the window's layout and its life from opening to closing.

#include "layout_rules.h"
#include "started_window.h"
#include "text_codec.h"
#include "trial_window.h"
#include "twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// The definition file's template as the program must write it, built here from its
// description: 17 lines, each with CR LF, then one more CR LF, all in CP932.
QByteArray expected_template_bytes()
{
    const QChar h(0x2500), v(0x2502), top_left(0x250C), top_right(0x2510), bottom_left(0x2514),
        bottom_right(0x2518), wide_blank(0x3000);
    const QString rule = QString(13, h);
    const QString semi = QStringLiteral(";");
    const QStringList lines{
        QStringLiteral("; RavuConf.rav"),
        QStringLiteral("; このファイルは、Ravfilerで使用する、ravu試奏用定義ファイルです。"),
        semi + top_left + rule + top_right + wide_blank + top_right,
        semi + v + QStringLiteral("このファイル(RavuConf.rav)") + v + wide_blank + v,
        semi + v + QString(13, wide_blank) + v + wide_blank + v,
        semi + bottom_left + rule + bottom_right + wide_blank + v,
        semi + QString(7, wide_blank) + QChar(0xFF0B) + QString(8, wide_blank) + v + QChar(0x2192)
            + QStringLiteral("この部分を、RavuTmp.ravとして"),
        semi + top_left + rule + top_right + wide_blank + v + wide_blank
            + QStringLiteral("出力し、Ravuで演奏させてます。"),
        semi + v + QStringLiteral("試奏ウィンドウのテキスト") + wide_blank + v + wide_blank + v,
        semi + v + QStringLiteral("入力欄") + QString(10, wide_blank) + v + wide_blank + v,
        semi + bottom_left + rule + bottom_right + wide_blank + bottom_right,
        QStringLiteral(";以下の場所には、"),
        QStringLiteral(";@A P018") + QString(6, QLatin1Char(' ')) + QStringLiteral("V080 R050 W000 Q000")
            + QString(2, QLatin1Char(' ')) + QStringLiteral("; オルガン"),
        QStringLiteral(";などのメンバ設定とか、試奏でよく使う内容を記述しておくことを"),
        QStringLiteral(";おすすめします。"),
        semi + QChar(0x2191),
        QStringLiteral(";ここから上は、削除しても") + QChar(0xFF2F) + QChar(0xFF2B)
            + QStringLiteral("です。"),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
    // The program's own conversion (tested against fixed bytes in test_text): Qt has no CP932
    // converter of its own on Windows.
    return cp932_encode(text).value_or(QByteArray("<no CP932>"));
}

} // namespace

// Types text into a field key by key, line breaks as the Return key; what is not ASCII
// comes from the input method, as a Japanese input method commits it.
void type_text(QWidget* field, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(field, Qt::Key_Return);
        } else if (c.unicode() < 0x80) {
            QTest::keyClicks(field, QString(c));
        } else {
            const qsizetype length = c.isHighSurrogate() ? 2 : 1;
            QInputMethodEvent commit;
            commit.setCommitString(text.mid(i, length));
            QApplication::sendEvent(field, &commit);
            i += length - 1;
        }
    }
}

class TestTrial : public QObject {
    Q_OBJECT
private slots:
    void resize_rule_arithmetic();
    void edit_conf_creates_template();
    void edit_conf_keeps_existing_file();
    void edit_conf_editor_failure();
    void composition_data();
    void composition();
    void trial_from_created_template();
    void japanese_text_written_in_cp932();
    void character_outside_cp932_is_refused();
    void missing_definition_file();
    void player_failure_keeps_written_tune();
    void unwritable_trial_tune_starts_nothing();
    void first_layout_and_resizing();
    void small_or_minimised_window_keeps_sizes();
    void reopening();

private:
    static TrialWindow* open_trial(StartedWindow& f);
};

TrialWindow* TestTrial::open_trial(StartedWindow& f)
{
    f.control<QPushButton>("Command2")->click();
    auto* trial = qobject_cast<TrialWindow*>(top_level_named(QStringLiteral("Form4")));
    if (trial && !QTest::qWaitForWindowExposed(trial))
        return nullptr;
    return trial;
}

void TestTrial::resize_rule_arithmetic()
{
    // The worked example of the trial window: outer width 8000, client height 6000.
    const TrialLayout design{4620, 120, 600, 6255, 4215};
    const TrialLayout wide = trial_layout_rule(design, 8000, 6000);
    QCOMPARE(wide.command2_left, 6095.0f);
    QCOMPARE(wide.text1_width, 7680.0f);
    QCOMPARE(wide.text1_height, 5200.0f);
    QCOMPARE(wide.text1_left, 120.0f);
    QCOMPARE(wide.text1_top, 600.0f);

    // Too small (or minimised to nothing): Text1 keeps its size, Command2 still moves.
    const TrialLayout tiny = trial_layout_rule(wide, 320, 800);
    QCOMPARE(tiny.command2_left, 320.0f - 1905.0f);
    QCOMPARE(tiny.text1_width, 7680.0f);
    QCOMPARE(tiny.text1_height, 5200.0f);
    const TrialLayout one_more = trial_layout_rule(wide, 321, 801);
    QCOMPARE(one_more.text1_width, 1.0f);
    QCOMPARE(one_more.text1_height, 1.0f);
}

void TestTrial::edit_conf_creates_template()
{
    StartedWindow f;
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    const QString conf = f.path(QStringLiteral("ravuconf.rav"));
    QCOMPARE(f.window->state().conf_path, conf);
    QVERIFY(!QFile::exists(conf));

    // The editor must find the file when it starts: the box comes first, then the file.
    bool existed_at_box = true;
    f.dialogs.on_message = [&](const RecordedMessage&) { existed_at_box = QFile::exists(conf); };
    trial->findChild<QPushButton*>(QStringLiteral("Command2"))->click();

    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("定義ファイルが無いと思われますので、新規に作成します。")});
    QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::None);
    QVERIFY(f.dialogs.messages[0].title.isEmpty());
    QVERIFY(!existed_at_box);

    const QByteArray bytes = f.read_bytes(QStringLiteral("ravuconf.rav"));
    QCOMPARE(bytes, expected_template_bytes());
    QVERIFY(bytes.endsWith("\r\n\r\n"));
    QCOMPARE(bytes.count("\r\n"), 18);
    // Line 3 by hand: ";┌", 13 "─", "┐", ideographic space, "┐".
    QVERIFY(bytes.contains(QByteArray::fromHex("3b84a1") + QByteArray::fromHex("849f").repeated(13)
                           + QByteArray::fromHex("84a2814084a20d0a")));
    // The end of line 17: full-width "ＯＫ" then "です。".
    QVERIFY(bytes.contains(QByteArray::fromHex("826e826a82c582b781420d0a0d0a")));

    // conf_text holds the 17 lines without the extra empty line.
    QCOMPARE(f.window->state().conf_text.count(QStringLiteral("\r\n")), 17);

    QCOMPARE(f.system.starts.size(), 1);
    const RecordedStart& start = f.system.starts[0];
    QCOMPARE(start.command.program, QStringLiteral("/opt/editor/edit"));
    QCOMPARE(start.command.arguments, QStringList{conf});
    QCOMPARE(start.command.text, QStringLiteral("\"/opt/editor/edit\" \"") + conf + QStringLiteral("\""));
    QCOMPARE(start.style, WindowStyle::NoActivate);
}

void TestTrial::edit_conf_keeps_existing_file()
{
    for (const QByteArray& content :
         {QByteArray(), QByteArray("@A P001\r\nmine"), QByteArray("\xff\xfe\x00odd", 6)}) {
        StartedWindow f;
        f.write_file(QStringLiteral("ravuconf.rav"), content);
        TrialWindow* trial = open_trial(f);
        QVERIFY(trial);
        trial->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.read_bytes(QStringLiteral("ravuconf.rav")), content);
        QCOMPARE(f.system.starts.size(), 1);
        QCOMPARE(f.system.starts[0].command.arguments, QStringList{f.path(QStringLiteral("ravuconf.rav"))});
        trial->close();
    }
}

void TestTrial::edit_conf_editor_failure()
{
    StartedWindow f(
        {.settings = settings_naming(QStringLiteral("/opt/player/ravu"), QStringLiteral("/no/such/editor"))});
    f.write_file(QStringLiteral("ravuconf.rav"), "x\r\n");
    f.system.fail_starts = true;
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    trial->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    const QString conf = f.path(QStringLiteral("ravuconf.rav"));
    QCOMPARE(
        f.dialogs.texts(),
        QStringList{QStringLiteral("エディタ起動に失敗しました。\rパスを確認してください。/no/such/editor：")
                    + conf});
}

// The window's part of the composition: typed line breaks, the file written with a final
// CR LF, the player started on it. The composition itself is tabled in test_core_tables.
void TestTrial::composition_data()
{
    QTest::addColumn<QByteArray>("definition");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("tune");

    QTest::newRow("single line with CR LF")
        << QByteArray("@A P018\r\n") << QStringLiteral("cde") << QByteArray("@A P018\r\ncde\r\n");
    QTest::newRow("empty text field") << QByteArray("a\r\n") << QString() << QByteArray("a\r\n\r\n");
    QTest::newRow("trailing line break typed")
        << QByteArray("a\r\n") << QStringLiteral("c\n") << QByteArray("a\r\nc\r\n\r\n");
    QTest::newRow("several typed lines")
        << QByteArray("a\r\n") << QStringLiteral("c\nd\n\ne") << QByteArray("a\r\nc\r\nd\r\n\r\ne\r\n");
    QTest::newRow("UTF-8 definition written in CP932")
        << QStringLiteral("; メンバ〜\n").toUtf8() << QStringLiteral("c")
        << QByteArray("; \x83\x81\x83\x93\x83\x6f\x81\x60\r\nc\r\n");
}

void TestTrial::composition()
{
    QFETCH(QByteArray, definition);
    QFETCH(QString, typed);
    QFETCH(QByteArray, tune);

    StartedWindow f;
    f.write_file(QStringLiteral("ravuconf.rav"), definition);
    f.write_file(QStringLiteral("ravutmp.rav"), "an older trial tune that is longer than the new one\r\n");
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    auto* text = trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    text->setFocus();
    type_text(text, typed);
    QCOMPARE(text->toPlainText(), typed);
    trial->findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.read_bytes(QStringLiteral("ravutmp.rav")), tune);
    QCOMPARE(f.read_bytes(QStringLiteral("ravuconf.rav")), definition);
    // conf_text is the tune without its final line break.
    QCOMPARE(f.window->state().conf_text + QStringLiteral("\r\n"), cp932_decode(tune));

    QCOMPARE(f.system.starts.size(), 1);
    const RecordedStart& start = f.system.starts[0];
    const QString tmp = f.path(QStringLiteral("ravutmp.rav"));
    QCOMPARE(start.command.program, QStringLiteral("/opt/player/ravu"));
    QCOMPARE(start.command.arguments, (QStringList{tmp, QStringLiteral("*P*E*X")}));
    QCOMPARE(start.command.text,
             QStringLiteral("\"/opt/player/ravu\" \"") + tmp + QStringLiteral("\" *P*E*X"));
    QCOMPARE(start.style, WindowStyle::NoActivate);
}

void TestTrial::trial_from_created_template()
{
    StartedWindow f;
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    trial->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    auto* play = trial->findChild<QPushButton*>(QStringLiteral("Command1"));

    // Empty field: the 17 lines, then two empty lines.
    play->click();
    const QByteArray created = expected_template_bytes();
    QCOMPARE(f.read_bytes(QStringLiteral("ravutmp.rav")), created + "\r\n");

    // One line: the 17 lines, one empty line, the line, CR LF.
    trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("cdefgab"));
    play->click();
    QCOMPARE(f.read_bytes(QStringLiteral("ravutmp.rav")), created + "cdefgab\r\n");
    QCOMPARE(f.system.starts.size(), 3); // the editor, then two trials
}

void TestTrial::japanese_text_written_in_cp932()
{
    StartedWindow f;
    QByteArray definition("; \x83\x81\x83\x93\x83\x6f\r\n"); // "; メンバ" in CP932
    f.write_file(QStringLiteral("ravuconf.rav"), definition);
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("ドレミ"));
    trial->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCOMPARE(f.read_bytes(QStringLiteral("ravutmp.rav")),
             definition + QByteArray::fromHex("8368838c837e0d0a"));
}

void TestTrial::character_outside_cp932_is_refused()
{
    StartedWindow f;
    f.write_file(QStringLiteral("ravuconf.rav"), "a\r\n");
    const QByteArray earlier("earlier trial\r\n");
    f.write_file(QStringLiteral("ravutmp.rav"), earlier);
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    auto* text = trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    text->setFocus();
    type_text(text, QStringLiteral("cde😀"));
    trial->findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("「😀」(U+1F600)はShift-JISにない文字のため、試奏できません。")});
    QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(f.read_bytes(QStringLiteral("ravutmp.rav")), earlier);
    QVERIFY(f.system.starts.isEmpty());
}

void TestTrial::missing_definition_file()
{
    StartedWindow f;
    const QByteArray earlier("earlier trial\r\n");
    f.write_file(QStringLiteral("ravutmp.rav"), earlier);
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("cde"));
    auto* play = trial->findChild<QPushButton*>(QStringLiteral("Command1"));
    play->click();

    const QString conf = f.path(QStringLiteral("ravuconf.rav"));
    QCOMPARE(f.dialogs.texts(),
             QStringList{conf + QStringLiteral(" がありません。 \r\n定義ファイルを作成してください。")});
    QCOMPARE(f.dialogs.messages[0].buttons, MessageButtons::Ok);
    QVERIFY(f.system.starts.isEmpty());
    QCOMPARE(f.read_bytes(QStringLiteral("ravutmp.rav")), earlier);
    QVERIFY(!QFile::exists(conf));

    // A folder of that name is no definition file either.
    QVERIFY(QDir(f.start_dir).mkdir(QStringLiteral("ravuconf.rav")));
    play->click();
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.dialogs.messages[1].text, f.dialogs.messages[0].text);
    QVERIFY(f.system.starts.isEmpty());
}

void TestTrial::player_failure_keeps_written_tune()
{
    StartedWindow f(
        {.settings = settings_naming(QStringLiteral("/no/such/player"), QStringLiteral("/opt/editor/edit"))});
    f.write_file(QStringLiteral("ravuconf.rav"), "a\r\n");
    f.system.fail_starts = true;
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("c"));
    trial->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("Ravu起動に失敗しました。\rパスを確認してください。")});
    QCOMPARE(f.read_bytes(QStringLiteral("ravutmp.rav")), QByteArray("a\r\nc\r\n"));
    QCOMPARE(f.system.starts.size(), 1);
}

void TestTrial::unwritable_trial_tune_starts_nothing()
{
    StartedWindow f;
    f.write_file(QStringLiteral("ravuconf.rav"), "a\r\n");
    // A folder where the trial tune belongs: the tune cannot be written.
    QVERIFY(QDir(f.start_dir).mkdir(QStringLiteral("ravutmp.rav")));
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("c"));
    trial->findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    const QString tmp = f.path(QStringLiteral("ravutmp.rav"));
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("試奏ファイルを書き込めませんでした。\r") + tmp});
    QVERIFY(f.system.starts.isEmpty());
    QVERIFY(QFileInfo(tmp).isDir());
    QCOMPARE(f.read_bytes(QStringLiteral("ravuconf.rav")), QByteArray("a\r\n"));
}

void TestTrial::first_layout_and_resizing()
{
    StartedWindow f;
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    auto* text = trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    auto* edit = trial->findChild<QPushButton*>(QStringLiteral("Command2"));
    auto* play = trial->findChild<QPushButton*>(QStringLiteral("Command1"));

    QCOMPARE(trial->windowTitle(), QStringLiteral("試奏ウィンドウ（Ravu Filer）"));
    QVERIFY(!trial->isModal());
    QVERIFY(f.window->isEnabled());
    QCOMPARE(play->text(), QStringLiteral("試奏"));
    QCOMPARE(edit->text(), QStringLiteral("定義ファイル編集"));
    QCOMPARE(trial->size(), QSize(twips_to_px(6465), twips_to_px(4890)));

    // Already at the first showing, Text1 ends 200 twips above the client area's bottom and
    // 200 twips before the outer right edge.
    const auto check_layout = [&] {
        const double outer = px_to_twips(trial->frameGeometry().width());
        const double client_height = px_to_twips(trial->height());
        QCOMPARE(edit->x(), twips_to_px(outer - 1905));
        QCOMPARE(text->width(), twips_to_px(outer - 320));
        QCOMPARE(text->height(), twips_to_px(client_height - 800));
        QCOMPARE(text->pos(), QPoint(twips_to_px(120), twips_to_px(600)));
        QCOMPARE(play->pos(), QPoint(twips_to_px(120), twips_to_px(120)));
    };
    check_layout();
    QVERIFY(text->height() != twips_to_px(4215));

    const QSize frame_extra = trial->frameGeometry().size() - trial->size();
    trial->resize(twips_to_px(8000) - frame_extra.width(), twips_to_px(6000));
    QTRY_COMPARE(trial->height(), twips_to_px(6000));
    check_layout();
    if (frame_extra.isNull()) {
        QCOMPARE(edit->x(), twips_to_px(6095));
        QCOMPARE(text->size(), QSize(twips_to_px(7680), twips_to_px(5200)));
    }
}

void TestTrial::small_or_minimised_window_keeps_sizes()
{
    StartedWindow f;
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    auto* text = trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    auto* edit = trial->findChild<QPushButton*>(QStringLiteral("Command2"));
    const QSize last = text->size();

    // Narrower than Text1's left edge plus 200 and lower than its top plus 200.
    trial->resize(10, 20);
    QTRY_COMPARE(trial->size(), QSize(10, 20));
    QCOMPARE(text->size(), last);
    QVERIFY(edit->x() < 0); // the button goes partly outside, as the rule says
    QCOMPARE(edit->x(), twips_to_px(px_to_twips(trial->frameGeometry().width()) - 1905));

    trial->showMinimized();
    QCOMPARE(text->size(), last);
    trial->showNormal();
    trial->resize(twips_to_px(6465), twips_to_px(4890));
    QTRY_COMPARE(text->height(), twips_to_px(4890 - 800));
}

void TestTrial::reopening()
{
    StartedWindow f;
    TrialWindow* trial = open_trial(f);
    QVERIFY(trial);
    auto* text = trial->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QTRY_VERIFY(text->hasFocus());
    type_text(text, QStringLiteral("cde"));

    // A second click shows the same window with its text.
    QCOMPARE(open_trial(f), trial);
    QCOMPARE(text->toPlainText(), QStringLiteral("cde"));
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += w->objectName() == QStringLiteral("Form4");
    QCOMPARE(windows, 1);

    // Closing discards the window and its text; the next one starts empty.
    QPointer<TrialWindow> closed(trial);
    QVERIFY(trial->close());
    QTRY_VERIFY(closed.isNull());
    QCOMPARE(f.window->trial_window(), nullptr);
    TrialWindow* again = open_trial(f);
    QVERIFY(again);
    QVERIFY(again->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText().isEmpty());
}

QTEST_MAIN(TestTrial)
#include "test_trial.moc"
