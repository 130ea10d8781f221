#pragma once
// The real operating system behind SystemServices: detached starts, event-driven waits,
// the desktop trash and the desktop's file manager.

#include "system_services.h"

class DesktopServices final : public SystemServices {
public:
    std::optional<qint64> start_task(const CommandLine& command, WindowStyle style) override;
    void wait_task(qint64 task_id) override;
    bool move_to_trash(const QString& path, QString* error) override;
    bool open_folder(const QString& folder) override;
};
