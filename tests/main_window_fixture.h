#pragma once
// A main window started in its own temporary folder with a settings file naming a player
// and an editor, with scripted boxes and recorded program starts.

#include "main_window.h"
#include "recording_services.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

struct MainWindowFixture {
    QTemporaryDir temp;
    QString start_dir;
    ScriptedDialogs dialogs;
    RecordingServices system;
    std::unique_ptr<MainWindow> window;

    // The window starts in a fresh folder (a subfolder of that name when one is given).
    explicit MainWindowFixture(const QString& player = QStringLiteral("/opt/player/ravu"),
                               const QString& editor = QStringLiteral("/opt/editor/edit"),
                               const QString& subfolder = QString())
        : start_dir(subfolder.isEmpty() ? temp.path() : temp.filePath(subfolder))
    {
        QDir().mkpath(start_dir);
        write_bytes(QStringLiteral("ravfiler.ini"),
                    "[RavFiler]\r\nRavu=" + player.toUtf8() + "\r\nEdit=" + editor.toUtf8() + "\r\n");
        window = std::make_unique<MainWindow>(start_dir, dialogs, system, [] {});
        window->load();
        dialogs.clear();
    }

    QString path(const QString& name) const { return QDir(start_dir).filePath(name); }

    bool write_bytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QByteArray read_bytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    template <typename T>
    T* control(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
};

// The one top-level window of this objectName that is not being deleted, or null.
inline QWidget* top_level_named(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}
