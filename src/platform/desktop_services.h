#pragma once
// The real operating system behind SystemServices: starts of programs that outlive the
// filer, event-driven waits, the desktop trash, the desktop's file manager, the mounted
// drives and the system's editor.

#include "system_services.h"

class DesktopServices final : public SystemServices {
public:
    std::unique_ptr<StartedTask> start_task(const CommandLine& command, WindowStyle style) override;
    void wait_task(StartedTask& task) override;
    bool move_to_trash(const QString& path, QString* error) override;
    bool open_folder(const QString& folder) override;
    QStringList drives() override;
    bool drive_available(const QString& root) override;
    QString default_editor() const override;
};
