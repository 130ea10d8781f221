#pragma once
// A started main window in its own temporary folder, with scripted dialogs, and the
// clicks the browsing tests make on it.

#include "app_state.h"
#include "drive_list.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_controls.h"
#include "main_window.h"
#include "recording_services.h"
#include "scripted_dialogs.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class BrowseWindow {
public:
    BrowseWindow()
    {
        write_file(QStringLiteral("ravfiler.ini"), "[RavFiler]\r\nRavu=x\r\nEdit=y\r\n");
        window = std::make_unique<MainWindow>(dir.path(), dialogs, system, [] {});
        window->load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QString path(const QString& relative) const { return dir.filePath(relative); }

    // Writes a file below the temporary folder, making its folders.
    QString write_file(const QString& relative, const QByteArray& bytes) const
    {
        const QString full = dir.filePath(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(full));
        return full;
    }

    QString make_folder(const QString& relative) const
    {
        const QString full = dir.filePath(relative);
        QDir().mkpath(full);
        return QDir::toNativeSeparators(QDir::cleanPath(full));
    }

    AppState& state() { return window->state(); }
    MainControls& controls() { return window->controls(); }
    QStringList entries() const
    {
        QStringList result;
        for (const QString& entry : window->state().play_list.list_entries)
            result << entry;
        while (!result.isEmpty() && result.last().isEmpty())
            result.removeLast();
        return result;
    }
    QStringList rows()
    {
        QStringList result;
        for (int i = 0; i < controls().List1->count(); ++i)
            result << controls().List1->item(i)->text();
        return result;
    }
    QString status_text() { return controls().panels[0]->text(); }

    // Opens a folder as the user does, by a double-click on its row in the folder list
    // (read afresh first, unless the row must stay as it was listed).
    void open_folder(const QString& folder, bool reread_first = true)
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

    // Picks a drive in the drive list.
    void choose_drive(const QString& root)
    {
        DriveList* list = controls().Drive1;
        const int index = list->findData(root);
        QVERIFY2(index >= 0, qPrintable(root));
        list->setCurrentIndex(index);
    }

    int file_row(const QString& name) { return static_cast<int>(controls().File1->names().indexOf(name)); }

    QPoint file_point(const QString& name)
    {
        FileList* list = controls().File1;
        const QModelIndex index = list->model()->index(file_row(name), 0);
        list->scrollTo(index);
        return list->visualRect(index).center();
    }

    // A click on a name of the file list.
    void click_file(const QString& name)
    {
        if (file_row(name) < 0)
            controls().File1->refresh(); // files made after the list was read
        QVERIFY2(file_row(name) >= 0, qPrintable(name));
        QTest::mouseClick(controls().File1->viewport(), Qt::LeftButton, {}, file_point(name));
    }

    // A double-click on a name of the file list (its first click selects it).
    void double_click_file(const QString& name)
    {
        QVERIFY2(file_row(name) >= 0, qPrintable(name));
        const QPoint at = file_point(name);
        QTest::mouseClick(controls().File1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(controls().File1->viewport(), Qt::LeftButton, {}, at);
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void click_option(int index) { click(controls().Option1[index]); }

    // Adds files through "リスト選択" after a click on each.
    void add_files(const QStringList& names)
    {
        for (const QString& name : names) {
            click_file(name);
            click(controls().Command5);
        }
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    RecordingServices system;
    std::unique_ptr<MainWindow> window;
};
