#include "main_window.h"
#include "recording_services.h"
#include "scripted_dialogs.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void caption();
};

void TestStartup::caption()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    RecordingServices system;
    MainWindow window(dir.path(), dialogs, system, [] {});
    QCOMPARE(window.windowTitle(), QStringLiteral("Ravu Filer"));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
