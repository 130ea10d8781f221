#pragma once
// Starting and awaiting other programs, the trash and the file manager: the operating
// system behind one interface, so tests can record or replace it.

#include "command_lines.h"

#include <QString>
#include <optional>

// How a started program's first window is shown: 1 normal and activated, 4 not activated.
enum class WindowStyle { Normal = 1, NoActivate = 4 };

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Starts the program without a shell and without waiting. The task id (process id),
    // or nothing when the program is missing, not executable or refused. Started
    // programs outlive the filer.
    virtual std::optional<qint64> start_task(const CommandLine& command, WindowStyle style) = 0;

    // Returns once the task has ended (at once if it cannot be observed). Window events
    // keep being handled meanwhile, and the filer uses no processor time while it waits.
    virtual void wait_task(qint64 task_id) = 0;

    // Moves the file to the desktop trash. False with a reason when it could not.
    virtual bool move_to_trash(const QString& path, QString* error) = 0;

    // Shows the folder in the system file manager. False when that could not be started.
    virtual bool open_folder(const QString& folder) = 0;
};
