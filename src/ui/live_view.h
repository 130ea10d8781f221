#pragma once
// The lists and the preview following the disk: the system's change notification for the
// shown folder, the target file and the mounts, each change acted on once a burst settles.
// What comes of a change the user did not make is said in the status bar, never in a box.

#include "regular_file.h"
#include "target_display.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>
#include <optional>

class FolderWatch;
class QTimer;
class SystemServices;
struct AppState;
struct MainControls;

class LiveView : public QObject {
    Q_OBJECT
public:
    // Owned by parent (the window); watches from the start.
    LiveView(AppState& state, const MainControls& controls, SystemServices& system, QObject* parent);

    // The folder and file lists take what their folder holds now.
    void relist();
    // A change was heard and is settling.
    bool relist_pending() const;
    // The preview takes what the target file holds now (forced: also when it looks the same).
    void reread_preview(bool forced);

signals:
    // The folder the lists show is no longer there (removed or renamed from outside): the
    // lists are to move to a folder that is. The notice names where they went.
    void folder_gone(const QString& folder);

private:
    // While the system cannot watch everything shown (its watches used up), a look now and
    // then at the shown folders and the target, as they were at the last look.
    struct Look {
        bool there = false;
        QDateTime modified;
        QDateTime changed;
        bool operator==(const Look&) const = default;
    };

    void follow();
    void follow_target();
    void on_folder_changed(const QString& folder, const QStringList& names);
    void on_file_changed(const QString& file);
    void relist_folders(const QStringList* changed);
    void show_preview_failure(const QString& text);
    bool leave_gone_folder();
    void notice(const QString& text);
    void poll();
    static Look look_at(const QString& path);

    AppState& m_state;
    const MainControls& m_controls;
    SystemServices& m_system;
    FolderWatch* m_watch;
    QTimer* m_list_settle;
    QTimer* m_preview_settle;
    QSet<QString> m_changed;   // entries of the shown folder heard of since the last re-list
    bool m_read_whole = false; // ... or the system did not say which
    QString m_target;          // the file the preview shows
    std::optional<FileIdentity> m_target_state;
    bool m_target_written = false;
    QString m_told; // the failure last told for the target, so a save that keeps it is quiet
    QTimer* m_poll;
    QHash<QString, Look> m_looks;
    bool m_watch_told = false;
};
