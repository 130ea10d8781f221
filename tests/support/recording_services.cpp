#include "recording_services.h"

#include <QFileInfo>

std::unique_ptr<StartedTask> RecordingServices::start_task(const CommandLine& command, WindowStyle style)
{
    starts << RecordedStart{command, style};
    if (fail_starts)
        return nullptr;
    return std::make_unique<StartedTask>(m_next_id++);
}

void RecordingServices::wait_task(StartedTask& task) { waits << task.task_id(); }

bool RecordingServices::move_to_trash(const QString& path, QString* error)
{
    trashed << path;
    if (fail_trash) {
        if (error)
            *error = QStringLiteral("trash refused");
        return false;
    }
    return true;
}

bool RecordingServices::open_folder(const QString& folder)
{
    opened_folders << folder;
    return !fail_open;
}

QStringList RecordingServices::drives()
{
    return drive_folders.isEmpty() ? DesktopServices::drives() : drive_folders;
}

bool RecordingServices::drive_available(const QString& root)
{
    return drive_folders.isEmpty() ? DesktopServices::drive_available(root) : QFileInfo(root).isDir();
}

QString RecordingServices::default_editor() const { return default_editor_path(desktop); }
