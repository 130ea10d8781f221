#pragma once
// The one main window every window test starts: its own temporary start folder, a settings
// file, scripted dialogs, recording (or the real) system services, and the clicks and
// file helpers the tests make on it.

#include "app_state.h"
#include "desktop_services.h"
#include "main_controls.h"
#include "main_window.h"
#include "recording_services.h"
#include "scripted_dialogs.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// The settings file text that names a player and an editor.
QByteArray settings_naming(const QString& player, const QString& editor);

// How the window starts; the defaults suit most tests.
struct StartOptions {
    // Written as the settings file before the start; nothing: no settings file (a first run).
    std::optional<QByteArray> settings =
        settings_naming(QStringLiteral("/opt/player/ravu"), QStringLiteral("/opt/editor/edit"));
    QString subfolder;        // start in this new subfolder of the temporary folder
    QString start_dir;        // start in this existing folder instead (a later run in it)
    bool real_system = false; // the desktop's services (real programs, real trash), not recorded
    bool load = true;         // loaded by the fixture; otherwise the test calls load()
    bool show = false;        // shown and exposed once loaded
};

class StartedWindow {
public:
    explicit StartedWindow(const StartOptions& options = {});
    StartedWindow(const StartedWindow&) = delete;
    StartedWindow& operator=(const StartedWindow&) = delete;

    // The program's start, for a test that set things up between construction and start.
    void load();

    AppState& state() { return window->state(); }
    MainControls& controls() { return window->controls(); }
    template <typename T>
    T* control(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    // Paths below the start folder.
    QString path(const QString& relative) const;
    QString ini() const { return path(QStringLiteral("ravfiler.ini")); }
    QString setting(const char* key) const;
    // Writes a file below the start folder, making its folders; the full path.
    QString write_file(const QString& relative, const QByteArray& bytes) const;
    QByteArray read_bytes(const QString& relative) const;
    // Makes a folder below the start folder; its full path in native form.
    QString make_folder(const QString& relative) const;

    // The play list's entries in use, the rows List1 shows, the target panel's text.
    QStringList entries();
    QStringList rows();
    QString status_text();

    // Opens a folder as the user does, by a double-click on its row in the folder list
    // (read afresh first, unless the row must stay as it was listed).
    void open_folder(const QString& folder, bool reread_first = true);
    // Picks a drive in the drive list.
    void choose_drive(const QString& root);

    int file_row(const QString& name);
    QPoint file_point(const QString& name);
    // Selects a name of the file list (read afresh when the name is new to it): a mouse
    // click on a shown window, the list's own selection otherwise.
    void click_file(const QString& name);
    // A double-click on a name of the file list (its first click selects it).
    void double_click_file(const QString& name);
    // A click on a button: by the mouse on a shown window.
    void click(QAbstractButton* button);
    void click_option(int index);
    // Adds files through "リスト選択" after a click on each.
    void add_files(const QStringList& names);

    QTemporaryDir temp;
    QString start_dir;
    ScriptedDialogs dialogs;
    RecordingServices system;
    DesktopServices desktop;
    int ended = 0; // how often the window ended the program
    std::unique_ptr<MainWindow> window;

private:
    bool m_show = false;
};

// The one top-level window of this objectName that is shown, or null.
QWidget* top_level_named(const QString& name);
