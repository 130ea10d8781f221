// The command lines handed to the player, the editor and the file manager: the exact text
// of each form and the argument list it is started with.

#include "command_lines.h"
#include "editor_defaults.h"
#include "paths.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(CommandLine)

class TestCommandLines : public QObject {
    Q_OBJECT
private slots:
    void forms_data();
    void forms();
};

void TestCommandLines::forms_data()
{
    QTest::addColumn<CommandLine>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("working_folder");

    const QString tune = QStringLiteral("C:\\tunes\\a.rav");
    const QString player = QStringLiteral("ravu.exe");

    // Single tune: the quoted path directly followed by the switches, no blanks anywhere.
    QTest::newRow("single, play and end")
        << single_file_command(player, tune, QStringLiteral("*P*E"), QStringLiteral("C:\\tunes"))
        << QStringLiteral(R"("ravu.exe" "C:\tunes\a.rav"*P*E)") << player
        << QStringList{tune, QStringLiteral("*P*E")} << QStringLiteral("C:\\tunes");
    QTest::newRow("single, every box")
        << single_file_command(player, tune, QStringLiteral("*P*E*X*I"), QStringLiteral("C:\\"))
        << QStringLiteral(R"("ravu.exe" "C:\tunes\a.rav"*P*E*X*I)") << player
        << QStringList{tune, QStringLiteral("*P*E*X*I")} << QStringLiteral("C:\\");
    QTest::newRow("single, no box") << single_file_command(player, tune, QString(),
                                                           QStringLiteral("C:\\tunes"))
                                    << QStringLiteral(R"("ravu.exe" "C:\tunes\a.rav")") << player
                                    << QStringList{tune} << QStringLiteral("C:\\tunes");
    // Windows is handed the text as it stands: the program quoted without a blank in it, its
    // separators unchanged.
    QTest::newRow("single, player path with slashes")
        << single_file_command(QStringLiteral("C:/ravu/ravu.exe"), tune, QStringLiteral("*P"),
                               QStringLiteral("C:\\tunes"))
        << QStringLiteral(R"("C:/ravu/ravu.exe" "C:\tunes\a.rav"*P)") << QStringLiteral("C:/ravu/ravu.exe")
        << QStringList{tune, QStringLiteral("*P")} << QStringLiteral("C:\\tunes");
    QTest::newRow("single, player path with blanks")
        << single_file_command(QStringLiteral("C:\\Program Files\\ravu\\ravu.exe"), tune,
                               QStringLiteral("*I"), QStringLiteral("C:\\tunes"))
        << QStringLiteral(R"("C:\Program Files\ravu\ravu.exe" "C:\tunes\a.rav"*I)")
        << QStringLiteral("C:\\Program Files\\ravu\\ravu.exe") << QStringList{tune, QStringLiteral("*I")}
        << QStringLiteral("C:\\tunes");

    // List entry: " *P*E" always, then the exit and icon switches.
    QTest::newRow("entry, exit only") << list_entry_command(player, tune, QStringLiteral("*X"), QString())
                                      << QStringLiteral(R"("ravu.exe" "C:\tunes\a.rav" *P*E*X)") << player
                                      << QStringList{tune, QStringLiteral("*P*E*X")} << QString();
    QTest::newRow("entry, every box")
        << list_entry_command(player, tune, QStringLiteral("*X"), QStringLiteral("*I"))
        << QStringLiteral(R"("ravu.exe" "C:\tunes\a.rav" *P*E*X*I)") << player
        << QStringList{tune, QStringLiteral("*P*E*X*I")} << QString();
    QTest::newRow("entry, no box") << list_entry_command(player, tune, QString(), QString())
                                   << QStringLiteral(R"("ravu.exe" "C:\tunes\a.rav" *P*E)") << player
                                   << QStringList{tune, QStringLiteral("*P*E")} << QString();
    QTest::newRow("entry, icon only") << list_entry_command(player, tune, QString(), QStringLiteral("*I"))
                                      << QStringLiteral(R"("ravu.exe" "C:\tunes\a.rav" *P*E*I)") << player
                                      << QStringList{tune, QStringLiteral("*P*E*I")} << QString();

    // Trial tune: fixed switches whatever the boxes say.
    QTest::newRow("trial") << trial_command(player, QStringLiteral("C:\\music\\ravutmp.rav"))
                           << QStringLiteral(R"("ravu.exe" "C:\music\ravutmp.rav" *P*E*X)") << player
                           << QStringList{QStringLiteral("C:\\music\\ravutmp.rav"), QStringLiteral("*P*E*X")}
                           << QString();

    // The editor with a file, and with the help text whose path stays unquoted in the text.
    QTest::newRow("editor") << editor_command(default_editor_path(DesktopSystem::Windows), tune)
                            << QStringLiteral(R"("notepad.exe" "C:\tunes\a.rav")")
                            << QStringLiteral("notepad.exe") << QStringList{tune} << QString();
    const QString help = QDir::toNativeSeparators(QStringLiteral("/my music/ravfiler.txt"));
    QTest::newRow("help text") << help_text_command(QStringLiteral("notepad.exe"),
                                                    QDir::toNativeSeparators(QStringLiteral("/my music")))
                               << QStringLiteral("\"notepad.exe\" ") + help << QStringLiteral("notepad.exe")
                               << QStringList{help} << QString();

    // The macOS default editor is a command: the opener told to open the file as text.
    QTest::newRow("editor, macOS default")
        << editor_command(default_editor_path(DesktopSystem::MacOs), QStringLiteral("/my tunes/a.rav"))
        << QStringLiteral(R"(open -t "/my tunes/a.rav")") << QStringLiteral("open")
        << QStringList{QStringLiteral("-t"), QStringLiteral("/my tunes/a.rav")} << QString();
    QTest::newRow("help text, macOS default")
        << help_text_command(default_editor_path(DesktopSystem::MacOs), QStringLiteral("/my music"))
        << QStringLiteral("open -t /my music") + QDir::separator() + QStringLiteral("ravfiler.txt")
        << QStringLiteral("open")
        << QStringList{QStringLiteral("-t"),
                       QStringLiteral("/my music") + QDir::separator() + QStringLiteral("ravfiler.txt")}
        << QString();
    // Any other editor path is one program path, blanks and all.
    QTest::newRow("editor, path with blanks")
        << editor_command(QStringLiteral("/opt/my editor -t"), QStringLiteral("/a.rav"))
        << QStringLiteral(R"("/opt/my editor -t" "/a.rav")") << QStringLiteral("/opt/my editor -t")
        << QStringList{QStringLiteral("/a.rav")} << QString();

    QTest::newRow("file manager") << file_manager_command(QStringLiteral("C:\\my tunes"))
                                  << QStringLiteral(R"(EXPLORER "C:\my tunes")") << QStringLiteral("EXPLORER")
                                  << QStringList{QStringLiteral("C:\\my tunes")} << QString();
}

void TestCommandLines::forms()
{
    QFETCH(CommandLine, line);
    QFETCH(QString, text);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, working_folder);

    QCOMPARE(line.text, text);
    QCOMPARE(line.program, program);
    QCOMPARE(line.arguments, arguments);
    QCOMPARE(line.working_folder, working_folder);
}

QTEST_GUILESS_MAIN(TestCommandLines)
#include "test_command_lines.moc"
