#pragma once
// Starting and awaiting other programs, the trash, the file manager, the drives and the
// default editor: the operating system behind one interface, so tests can record or
// replace it.

#include "command_lines.h"

#include <QString>
#include <QStringList>
#include <memory>

// How a started program's first window is shown: 1 normal and activated, 4 not activated.
enum class WindowStyle { Normal = 1, NoActivate = 4 };

// A started program, held from its start on: awaiting it never looks the process up again by
// its id, which the system may meanwhile have given to another process. Not copied; dropped,
// it leaves the program running.
class StartedTask {
public:
    explicit StartedTask(qint64 task_id) : m_task_id(task_id) {}
    virtual ~StartedTask() = default;
    StartedTask(const StartedTask&) = delete;
    StartedTask& operator=(const StartedTask&) = delete;

    // The process id.
    qint64 task_id() const { return m_task_id; }

private:
    qint64 m_task_id;
};

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Starts the program without a shell and without waiting. The started task, or null when
    // the program is missing, not executable or refused. Started programs outlive the filer.
    virtual std::unique_ptr<StartedTask> start_task(const CommandLine& command, WindowStyle style) = 0;

    // Returns once the task has ended (at once if it has or cannot be observed). Window events
    // keep being handled meanwhile, and the filer uses no processor time while it waits.
    virtual void wait_task(StartedTask& task) = 0;

    // Moves the file to the desktop trash. False with a reason when it could not.
    virtual bool move_to_trash(const QString& path, QString* error) = 0;

    // Shows the folder in the system file manager. False when that could not be started.
    virtual bool open_folder(const QString& folder) = 0;

    // The drives a user can pick, by their roots, in display order.
    virtual QStringList drives() = 0;
    // True when the drive is mounted and its root can be listed now.
    virtual bool drive_available(const QString& root) = 0;

    // The editor the settings fall back on when they name none.
    virtual QString default_editor() const = 0;
};
