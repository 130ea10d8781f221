// Qt's own file dialogs as the program shows them: picking an existing program or album
// asks no question, the programs filter lists what may be run, and Qt's texts are Japanese.

#include "program.h"
#include "qt_dialogs.h"
#include "test_files.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// The dialog's Open or Save button, as the user presses it.
void press_accept(QFileDialog& dialog)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
            b->click();
}

// Runs the action once on the file dialog when it is open, then presses its accept button;
// closes (and records) every message box that opens on top of it, and cancels the dialog
// when it is still open after that.
class DialogRobot {
public:
    explicit DialogRobot(std::function<void(QFileDialog&)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    QStringList questions;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            questions << box->text();
            box->reject();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (m_action) {
                std::exchange(m_action, nullptr)(*dialog);
                // Pressed from the event loop, so a question it raises meets this poll.
                QTimer::singleShot(0, dialog, [this, dialog] {
                    press_accept(*dialog);
                    m_pressed = true;
                });
            } else if (m_pressed) {
                dialog->reject();
            }
        }
    }
    std::function<void(QFileDialog&)> m_action;
    bool m_pressed = false;
    QTimer m_timer;
};

QStringList shown_names(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (!view)
        return names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

} // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void open_takes_existing_program_without_question();
    void save_over_existing_album_without_question();
    void ended_dialogs_close_and_answer_at_once();
    void filters_name_their_patterns_data();
    void filters_name_their_patterns();
    void message_shows_line_feeds();

private:
    QTemporaryDir m_dir;
    QString m_player;
};

// A program the system would run: by its permission on Unix, by its name on Windows.
#ifdef Q_OS_WIN
const QString kPlayerName = QStringLiteral("player.exe");
#else
const QString kPlayerName = QStringLiteral("player");
#endif

void TestFileDialogs::initTestCase()
{
    QVERIFY(install_qt_translations(*qApp));
    m_player = QDir::toNativeSeparators(m_dir.filePath(kPlayerName));
    QVERIFY(write_file(m_player, "#!/bin/sh\n"));
    QVERIFY(QFile::setPermissions(m_player, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(write_file(m_dir.filePath(QStringLiteral("notes.txt")), "n"));
    QVERIFY(write_file(m_dir.filePath(QStringLiteral("old.alb")), "a.rav\r\n"));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
}

void TestFileDialogs::open_takes_existing_program_without_question()
{
    DialogRobot robot([&](QFileDialog& dialog) {
        QTRY_COMPARE(shown_names(dialog), (QStringList{kPlayerName, "sub"}));
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down); // the user picks "すべてのファイル (*)"
        QTRY_COMPARE(shown_names(dialog), (QStringList{"notes.txt", "old.alb", kPlayerName, "sub"}));
        // Qt's own texts in Japanese, beside the program's.
        for (QAbstractButton* b : dialog.findChild<QDialogButtonBox*>()->buttons())
            QVERIFY2(!b->text().contains(QStringLiteral("Open"))
                         && !b->text().contains(QStringLiteral("Cancel")),
                     qPrintable(b->text()));
        QCOMPARE_NE(dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(),
                    QStringLiteral("Look in:"));
        dialog.selectFile(m_player);
    });
    QtDialogs dialogs;
    FileDialogRequest request{QStringLiteral("Ravu本体のパス"),
                              QStringLiteral("Ravu本体 (*)|*|すべてのファイル (*)|*"), m_dir.path(),
                              QString(), true};
    QCOMPARE(dialogs.open_file(nullptr, request), std::optional<QString>(m_player));
    QCOMPARE(robot.questions, QStringList());
}

void TestFileDialogs::save_over_existing_album_without_question()
{
    const QString album = QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("old.alb")));
    DialogRobot robot([&](QFileDialog& dialog) { dialog.selectFile(album); });
    QtDialogs dialogs;
    FileDialogRequest request{QStringLiteral("アルバムファイルの保存"),
                              QStringLiteral("RavuFilerアルバムファイル (*.alb)|*.alb"), m_dir.path(),
                              QString()};
    QCOMPARE(dialogs.save_file(nullptr, request), std::optional<QString>(album));
    QCOMPARE(robot.questions, QStringList());
}

// Once the program ends, the open dialog is closed by the dialogs themselves (a desktop's own
// file dialog runs a loop that ending Qt's loops does not end), and later ones never show.
void TestFileDialogs::ended_dialogs_close_and_answer_at_once()
{
    QtDialogs dialogs;
    QStringList shown; // modal windows seen after the end
    QTimer poll;
    poll.setInterval(5);
    bool ended = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (!ended) {
            ended = true;
            dialogs.end_all();
            return;
        }
        shown << QString::fromLatin1(modal->metaObject()->className());
        modal->close();
    });
    poll.start();
    const FileDialogRequest request{QStringLiteral("アルバムファイルの保存"),
                                    QStringLiteral("RavuFilerアルバムファイル (*.alb)|*.alb"), m_dir.path(),
                                    QStringLiteral("x.alb")};
    QCOMPARE(dialogs.save_file(nullptr, request), std::nullopt);
    QVERIFY(ended);
    QCOMPARE(dialogs.message(nullptr, QStringLiteral("q"), MessageButtons::YesNo, MessageIcon::Warning,
                             QString(), MessageAnswer::Yes),
             MessageAnswer::No);
    QCOMPARE(static_cast<Dialogs&>(dialogs).message(nullptr, QStringLiteral("m")), MessageAnswer::Ok);
    QCOMPARE(dialogs.open_file(nullptr, request), std::nullopt);
    QCOMPARE(shown, QStringList());
}

void TestFileDialogs::filters_name_their_patterns_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("pattern added") << "アルバム|*.alb" << QStringList{"アルバム (*.alb)"};
    QTest::newRow("pattern already named")
        << "A (*.alb)|*.alb|すべて|*" << QStringList{"A (*.alb)", "すべて (*)"};
    QTest::newRow("other parentheses") << "A (x)|*.a" << QStringList{"A (x) (*.a)"};
    QTest::newRow("last without pattern") << "A|*.a|B" << QStringList{"A (*.a)", "B"};
}

void TestFileDialogs::filters_name_their_patterns()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    QStringList filters;
    DialogRobot robot([&](QFileDialog& dialog) { filters = dialog.nameFilters(); });
    QtDialogs dialogs;
    QCOMPARE(dialogs.open_file(nullptr, {QString(), filter, m_dir.path()}), std::nullopt);
    QCOMPARE(filters, shown);
}

// CR LF and lone CR reach the box as line feeds.
void TestFileDialogs::message_shows_line_feeds()
{
    DialogRobot robot(nullptr);
    QtDialogs dialogs;
    QCOMPARE(static_cast<Dialogs&>(dialogs).message(nullptr, QStringLiteral("a\r\nb\rc\r\r\nd\ne")),
             MessageAnswer::Ok);
    QCOMPARE(robot.questions, QStringList{QStringLiteral("a\nb\nc\n\nd\ne")});
}

QTEST_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
