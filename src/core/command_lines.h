#pragma once
// Every command line the program composes for the player, the editor and the file manager.
// Each comes as the exact text of the command line and as program + arguments, so it can be
// started without a shell: a quoted piece is one argument, a run of switch texts is one.

#include <QString>
#include <QStringList>

struct CommandLine {
    // The whole command line, e.g. "ravu.exe" "C:\a.rav" *P*E: what Windows is handed, as is.
    QString text;
    QString program;        // the program to start, unquoted
    QStringList arguments;  // the text after the program, split into arguments for other systems
    QString working_folder; // empty: the filer's current folder
};

// Single-tune play: "player" then "tune" directly followed by the switch texts, started
// in the folder list's folder.
CommandLine single_file_command(const QString& player_path, const QString& target_file,
                                const QString& switches, const QString& folder);

// One entry of a list play: "player" "entry" *P*E, then the exit and icon switches.
CommandLine list_entry_command(const QString& player_path, const QString& entry_path,
                               const QString& exit_switch, const QString& icon_switch);

// The trial tune: "player" "trial tune" *P*E*X.
CommandLine trial_command(const QString& player_path, const QString& tmp_path);

// A file in the editor: "editor" "file" (the macOS default editor: open -t "file").
CommandLine editor_command(const QString& editor_path, const QString& file);

// The help text in the editor: "editor" start_dir\ravfiler.txt, the path left unquoted in
// the text yet still one argument.
CommandLine help_text_command(const QString& editor_path, const QString& start_dir);

// A folder in the file manager: EXPLORER "folder".
CommandLine file_manager_command(const QString& folder);
