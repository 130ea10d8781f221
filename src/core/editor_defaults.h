#pragma once
// What differs between the desktop systems as rules: the text editor each offers when the
// settings name none, how paths compare, how programs are told apart, and the form of a text
// for the editor; and the program and first arguments an editor path stands for.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class DesktopSystem { Windows, MacOs, OtherUnix };

// The root of the drive that holds the path (the longest matching root), empty when none does.
// Paths compare without regard to case on Windows only; its separator there is "\\".
QString drive_root_of(const QString& path, const QStringList& roots, DesktopSystem system);

// True where any file may be a program, told by its permission rather than by ".exe".
bool programs_marked_by_permission(DesktopSystem system);

// A text the program hands to the user's editor (the help text), from UTF-8 with LF line
// ends into the code page and line ends the system's editors expect: on Windows the system
// code page and CR LF, like the program's other texts; elsewhere as it is.
QByteArray native_text_file(const QByteArray& utf8_text, DesktopSystem system);

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
