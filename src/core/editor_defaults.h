#pragma once
// The text editor: the one each desktop system offers when the settings name none, and the
// program and first arguments an editor path stands for.

#include <QString>
#include <QStringList>

enum class DesktopSystem { Windows, MacOs, OtherUnix };

// Windows "notepad.exe"; macOS "open -t" (the system's opener told to open text: by the
// extension alone it finds no program for ".rav" or ".alb"); elsewhere "xdg-open".
QString default_editor_path(DesktopSystem system);

struct EditorProgram {
    QString program;
    QStringList leading_arguments; // before the file
};

// An editor path names the program itself, except the macOS default, which is a command of
// its own: "open -t" is the program "open" with the argument "-t".
EditorProgram editor_program(const QString& editor_path);

// The editor a start uses: the stored path, or the system's default editor when the stored
// one is empty or only blanks (the options dialog still shows what is stored).
QString editor_in_use(const QString& editor_path, const QString& default_editor);
