#pragma once
// Starting and awaiting other programs, the trash, the file manager, the drives, folders
// read and renamed, the default editor and a Windows player's runner: the operating system
// behind one interface, the window's only road to it, so tests can record or replace it.

#include "command_lines.h"
#include "editor_defaults.h"
#include "player_runner.h"

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

// The entries of one folder read in a single pass: the names of its files and of its
// subfolders, unsorted, hidden ones left out, as the file and folder lists show them.
struct FolderEntries {
    QStringList files;   // regular files, also through a symbolic link
    QStringList folders; // subfolders, also through a symbolic link
    // Regular files whose names are not valid in the file system's encoding, as the bytes
    // the folder holds: a name decoded from them would not reach the file again.
    QList<QByteArray> foreign_files;
    bool ok = false; // the folder could be read
};

enum class EntryKinds { Files, Folders };

// Why a folder could not be opened: gone, not a folder, not ours to list, a path too long
// for the system, or something else.
enum class FolderFault { Missing, NotAFolder, NoPermission, NameTooLong, Other };

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
    // The desktop system the program runs on.
    virtual DesktopSystem desktop_system() const = 0;

    // The folder's entries of the kinds asked for.
    virtual FolderEntries folder_entries(const QString& folder, EntryKinds kinds) = 0;
    // Why the folder cannot be opened, looked up at the moment of the failure.
    virtual FolderFault folder_fault(const QString& folder) = 0;
    // Renames folder/raw_name (a name not valid in the file system's encoding, as the bytes
    // the folder holds) to folder/new_name, never replacing an entry of the new name. False,
    // with nothing changed, when it could not.
    virtual bool rename_raw_name(const QString& folder, const QByteArray& raw_name,
                                 const QString& new_name) = 0;

    // The runner program as the system would start it (a name looked up on PATH, a path as
    // it is); empty when there is no such executable file.
    virtual QString runner_program(const QString& runner) = 0;
    // The drives of the runner's prefix, which a player's file paths are turned into.
    virtual QList<DriveLink> runner_drives() = 0;
};
