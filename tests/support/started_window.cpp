#include "started_window.h"

#include "drive_list.h"
#include "file_list.h"
#include "folder_list.h"
#include "settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

QByteArray settings_naming(const QString& player, const QString& editor)
{
    return "[RavFiler]\r\nRavu=" + player.toUtf8() + "\r\nEdit=" + editor.toUtf8() + "\r\n";
}

StartedWindow::StartedWindow(const StartOptions& options)
    // In the system's own form, as the program's start hands it over.
    : start_dir(QDir::toNativeSeparators(!options.start_dir.isEmpty()  ? options.start_dir
                                         : options.subfolder.isEmpty() ? temp.path()
                                                                       : temp.filePath(options.subfolder))),
      m_show(options.show)
{
    QDir().mkpath(start_dir);
    if (options.settings)
        write_file(QStringLiteral("ravfiler.ini"), *options.settings);
    SystemServices& services = options.real_system ? static_cast<SystemServices&>(desktop) : system;
    window = std::make_unique<MainWindow>(start_dir, dialogs, services, [this] { ++ended; });
    if (options.load)
        load();
}

void StartedWindow::load()
{
    window->load();
    if (m_show) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
}

QString StartedWindow::path(const QString& relative) const
{
    return QDir::toNativeSeparators(QDir(start_dir).filePath(relative));
}

QString StartedWindow::setting(const char* key) const
{
    return read_setting(ini(), QString::fromLatin1(key));
}

QString StartedWindow::write_file(const QString& relative, const QByteArray& bytes) const
{
    QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(full));
    return full;
}

QByteArray StartedWindow::read_bytes(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString StartedWindow::make_folder(const QString& relative) const
{
    const QString full = path(relative);
    QDir().mkpath(full);
    return QDir::toNativeSeparators(QDir::cleanPath(full));
}

QStringList StartedWindow::entries()
{
    QStringList result;
    for (const QString& entry : state().play_list.list_entries)
        result << entry;
    while (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

QStringList StartedWindow::rows()
{
    QStringList result;
    for (int i = 0; i < controls().List1->count(); ++i)
        result << controls().List1->item(i)->text();
    return result;
}

QString StartedWindow::status_text() { return controls().panels[0]->text(); }

void StartedWindow::open_folder(const QString& folder, bool reread_first)
{
    FolderList* list = controls().Dir1;
    if (reread_first)
        list->refresh(); // folders made after the list was read
    const QString wanted = QDir::toNativeSeparators(QDir::cleanPath(folder));
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        if (item->data(Qt::UserRole).toString() != wanted)
            continue;
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        return;
    }
    QFAIL(qPrintable(QStringLiteral("no folder row for ") + folder));
}

void StartedWindow::choose_drive(const QString& root)
{
    DriveList* list = controls().Drive1;
    const int index = list->findData(root);
    QVERIFY2(index >= 0, qPrintable(root));
    list->setCurrentIndex(index);
}

int StartedWindow::file_row(const QString& name)
{
    return static_cast<int>(controls().File1->names().indexOf(name));
}

QPoint StartedWindow::file_point(const QString& name)
{
    FileList* list = controls().File1;
    const QModelIndex index = list->model()->index(file_row(name), 0);
    list->scrollTo(index);
    return list->visualRect(index).center();
}

void StartedWindow::click_file(const QString& name)
{
    if (file_row(name) < 0)
        controls().File1->refresh(); // files made after the list was read
    QVERIFY2(file_row(name) >= 0, qPrintable(name));
    if (window->isVisible())
        QTest::mouseClick(controls().File1->viewport(), Qt::LeftButton, {}, file_point(name));
    else
        controls().File1->select_index(file_row(name));
}

void StartedWindow::double_click_file(const QString& name)
{
    QVERIFY2(file_row(name) >= 0, qPrintable(name));
    const QPoint at = file_point(name);
    QTest::mouseClick(controls().File1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(controls().File1->viewport(), Qt::LeftButton, {}, at);
}

void StartedWindow::click(QAbstractButton* button)
{
    if (window->isVisible())
        QTest::mouseClick(button, Qt::LeftButton);
    else
        button->click();
}

void StartedWindow::click_option(int index) { click(controls().Option1[index]); }

void StartedWindow::add_files(const QStringList& names)
{
    for (const QString& name : names) {
        click_file(name);
        click(controls().Command5);
    }
}

QWidget* top_level_named(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}
