#pragma once
// A Windows player on another system: whether the player needs a runner, which one, the
// Windows form of a path in the runner's drives, and the command line through the runner.

#include "command_lines.h"
#include "editor_defaults.h"

#include <QList>
#include <QString>

// One drive of the runner's prefix: its letter and the folder it stands for (absolute,
// cleaned, "/" separators).
struct DriveLink {
    QChar letter; // upper case
    QString target;
};

// A player named ".exe", ".com", ".bat" or ".cmd", in any case.
bool is_windows_program(const QString& player_path);

enum class RunnerKind {
    Direct, // the player starts itself (a native program, Windows, or Runner "-")
    Named,  // the Runner key names the runner
    Default // the system's runner, found on PATH
};

struct RunnerChoice {
    RunnerKind kind = RunnerKind::Direct;
    QString runner; // the program for Named and Default
};

// runner_setting is the key's value as read ("ERR" when missing).
RunnerChoice choose_runner(const QString& player_path, const QString& runner_setting, DesktopSystem system);

// The path in the Windows form of the drive whose folder is the longest leading folder of
// it ("Z:\home\a.rav" with Z: at "/"); unchanged when it is not absolute or no drive
// reaches it.
QString windows_form(const QString& path, const QList<DriveLink>& drives);

// The player's command started through the runner: the runner, the player path as given,
// then the player's arguments with its path argument (the first) in the Windows form; the
// switches and the working folder unchanged.
CommandLine through_runner(const CommandLine& player_command, const QString& runner,
                           const QList<DriveLink>& drives);
