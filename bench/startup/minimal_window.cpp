// The yardstick: a minimal widgets program with a main window holding a line of Japanese
// text, a menu and a status line, quitting once shown and idle.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ravu Filer"));
    window.menuBar()->addMenu(QStringLiteral("ファイル(&F)"))->addAction(QStringLiteral("終了(&X)"));
    window.setCentralWidget(
        new QLabel(QStringLiteral("対象ファイル：曲のテキストを選んでください"), &window));
    window.statusBar()->showMessage(QStringLiteral("実行時ディレクトリ："));
    window.resize(715, 500);
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
