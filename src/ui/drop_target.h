#pragma once
// Tune files dropped onto the main window from the desktop's file manager: in single-tune
// and album mode one file is opened as a click on it would, in list mode the dropped tunes
// of the shown folder are added to the play list in order.

#include "window_dialogs.h"

#include <QObject>
#include <QStringList>

#include <functional>

class FileList;
class QWidget;
struct AppState;

class DropTarget : public QObject {
    Q_OBJECT
public:
    // Installs itself on the window; selects in files. add_list adds the selected file to the
    // play list as "リスト選択" does (and says when the list is full); go_to_folder moves the
    // lists as a double-click on the folder would, true when they show it.
    DropTarget(AppState& state, FileList* files, const WindowDialogs& dialogs, std::function<void()> add_list,
               std::function<bool(const QString&)> go_to_folder, QWidget& window);

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
    FileList* m_files;
    WindowDialogs m_dialogs;
    std::function<void()> m_add_list;
    std::function<bool(const QString&)> m_go_to_folder;
};
