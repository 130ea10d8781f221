#pragma once
// The real operating system behind SystemServices: each call made in the system's own file
// of its concern (a file per system where they differ), or handed to it.

#include "system_services.h"

// Not final: tests and benchmarks keep its reading calls and replace what acts.
class DesktopServices : public SystemServices {
public:
    std::unique_ptr<StartedTask> start_task(const CommandLine& command, WindowStyle style) override;
    void wait_task(StartedTask& task) override;
    bool move_to_trash(const QString& path, QString* error) override;
    bool open_folder(const QString& folder) override;
    QStringList drives() override;
    bool drive_available(const QString& root) override;
    QString default_editor() const override { return default_editor_path(DesktopServices::desktop_system()); }
    DesktopSystem desktop_system() const override;
    FolderEntries folder_entries(const QString& folder, EntryKinds kinds) override;
    FolderFault folder_fault(const QString& folder) override;
    bool rename_raw_name(const QString& folder, const QByteArray& raw_name, const QString& new_name) override;
    QString runner_program(const QString& runner) override;
    QList<DriveLink> runner_drives() override;
};
