#pragma once
// SystemServices for unit tests: records what would be started, never starts anything.
// What only reads the system (folders, the runner's prefix) is the real system's, since the
// tests work in real temporary folders; the drives and the desktop system can be set.

#include "desktop_services.h"

#include <QList>
#include <QStringList>

struct RecordedStart {
    CommandLine command;
    WindowStyle style;
};

class RecordingServices final : public DesktopServices {
public:
    std::unique_ptr<StartedTask> start_task(const CommandLine& command, WindowStyle style) override;
    void wait_task(StartedTask& task) override;
    bool move_to_trash(const QString& path, QString* error) override;
    bool open_folder(const QString& folder) override;
    QStringList drives() override;
    bool drive_available(const QString& root) override;
    QString default_editor() const override;
    DesktopSystem desktop_system() const override { return desktop; }

    bool fail_starts = false; // every start fails, as with a missing program
    bool fail_trash = false;
    bool fail_open = false;
    // Folders that stand in for the drives, each available while it is a folder; empty:
    // this machine's drives.
    QStringList drive_folders;
    // The desktop system the window is told it runs on (its default editor follows it).
    DesktopSystem desktop = DesktopServices().desktop_system();

    QList<RecordedStart> starts;
    QList<qint64> waits; // task ids
    QStringList trashed;
    QStringList opened_folders;

private:
    qint64 m_next_id = 1000;
};
