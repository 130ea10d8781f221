#pragma once
// Tune files dropped onto the main window from the desktop's file manager: in single-tune
// and album mode one file is opened as a click on it would, in list mode the dropped tunes
// of the shown folder are added to the play list in order.

#include <QObject>
#include <QStringList>

struct WindowContext;

class DropTarget : public QObject {
    Q_OBJECT
public:
    // Installs itself on the window.
    explicit DropTarget(WindowContext& context);

    // What a drop of these local paths does, in the current mode.
    void take(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open_file(const QString& path);
    void add_files(const QStringList& paths);
    bool listable(const QString& path);
    int row_of(const QString& name);
    void refuse(const QString& path);
    void message(const QString& text);

    WindowContext& m_context;
};
