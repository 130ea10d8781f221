#pragma once
// Tune files dropped onto the main window from the desktop's file manager: in single-tune
// and album mode one file is opened as a click on it would, in list mode the dropped tunes
// of the shown folder are added to the play list in order.

#include "window_dialogs.h"

#include <QObject>
#include <QStringList>

#include <functional>

class DriveList;
class FileList;
class FolderList;
class QWidget;
class SystemServices;
struct AppState;

// The lists a drop moves or selects in.
struct DropControls {
    DriveList* drives = nullptr;
    FolderList* folders = nullptr;
    FileList* files = nullptr;
};

class DropTarget : public QObject {
    Q_OBJECT
public:
    // Installs itself on the window. add_list adds the selected file to the play list as
    // "リスト選択" does (and says when the list is full).
    DropTarget(AppState& state, const DropControls& controls, SystemServices& system,
               const WindowDialogs& dialogs, std::function<void()> add_list, QWidget& window);

    // What a drop of these local paths does, in the current mode.
    void take(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open_file(const QString& path);
    void add_files(const QStringList& paths);
    int row_of(const QString& name);
    void refuse(const QString& path);

    AppState& m_state;
    DropControls m_controls;
    SystemServices& m_system;
    WindowDialogs m_dialogs;
    std::function<void()> m_add_list;
};
