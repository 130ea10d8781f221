// An editor key that is empty or only blanks: every start of the editor (編集, the help
// text, the definition file) uses the system's default editor, and the options dialog
// still shows what is stored.

#include "modal_robot.h"
#include "options_dialog.h"
#include "started_window.h"
#include "trial_window.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestEditorDefault : public QObject {
    Q_OBJECT
private slots:
    void every_editor_start_data();
    void every_editor_start();
};

void TestEditorDefault::every_editor_start_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blanks and a tab") << QByteArray(" \t ");
}

void TestEditorDefault::every_editor_start()
{
    QFETCH(QByteArray, stored);
    StartedWindow f({.settings = "[RavFiler]\r\nRavu=/opt/p/ravu\r\nEdit=\"" + stored + "\"\r\n"});
    QCOMPARE(f.state().editor_path, QString::fromUtf8(stored));
    const QString tune = f.write_file(QStringLiteral("a.rav"), "cde");
    f.write_file(QStringLiteral("ravuconf.rav"), "; conf\r\n");
    f.click_file(QStringLiteral("a.rav"));
    f.control<QPushButton>("Command3")->click();
    f.controls().mnuMftxt->trigger();
    f.control<QPushButton>("Command2")->click();
    auto* trial = qobject_cast<TrialWindow*>(top_level_named(QStringLiteral("Form4")));
    QVERIFY(trial);
    trial->findChild<QPushButton*>(QStringLiteral("Command2"))->click();

    QStringList started;
    for (const RecordedStart& start : f.system.starts)
        started << start.command.program + QLatin1Char(' ') + start.command.arguments.join(QLatin1Char(' '));
    const QString editor = f.system.default_editor();
    QCOMPARE(started, (QStringList{editor + QLatin1Char(' ') + tune,
                                   editor + QLatin1Char(' ') + f.path(QStringLiteral("ravfiler.txt")),
                                   editor + QLatin1Char(' ') + f.path(QStringLiteral("ravuconf.rav"))}));
    QCOMPARE(f.dialogs.texts(), QStringList());

    QString shown;
    ModalRobot<OptionsDialog> robot({[&shown](OptionsDialog& d) {
        shown = d.Text2->text();
        d.Command2->click();
    }});
    f.window->open_options();
    QCOMPARE(robot.seen(), 1);
    QCOMPARE(shown, QString::fromUtf8(stored));
}

QTEST_MAIN(TestEditorDefault)
#include "test_editor_default.moc"
