#include "command_lines.h"

#include "editor_defaults.h"
#include "paths.h"

namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

CommandLine quoted_program(const QString& program, const QString& after_program, const QStringList& arguments)
{
    CommandLine line;
    line.program = program;
    line.arguments = arguments;
    line.text = quoted(program) + QLatin1Char(' ') + after_program;
    return line;
}

// The editor path is quoted as a program path, unless it stands for a program with arguments
// of its own.
CommandLine editor_with(const QString& editor_path, const QString& after_program, const QString& file)
{
    const EditorProgram editor = editor_program(editor_path);
    if (editor.leading_arguments.isEmpty())
        return quoted_program(editor_path, after_program, {file});
    CommandLine line;
    line.program = editor.program;
    line.arguments = editor.leading_arguments;
    line.arguments << file;
    line.text = editor_path + QLatin1Char(' ') + after_program;
    return line;
}

} // namespace

CommandLine single_file_command(const QString& player_path, const QString& target_file,
                                const QString& switches, const QString& folder)
{
    QStringList arguments{target_file};
    if (!switches.isEmpty())
        arguments << switches;
    CommandLine line = quoted_program(player_path, quoted(target_file) + switches, arguments);
    line.working_folder = folder;
    return line;
}

CommandLine list_entry_command(const QString& player_path, const QString& entry_path,
                               const QString& exit_switch, const QString& icon_switch)
{
    const QString switches = QStringLiteral("*P*E") + exit_switch + icon_switch;
    return quoted_program(player_path, quoted(entry_path) + QLatin1Char(' ') + switches,
                          {entry_path, switches});
}

CommandLine trial_command(const QString& player_path, const QString& tmp_path)
{
    const QString switches = QStringLiteral("*P*E*X");
    return quoted_program(player_path, quoted(tmp_path) + QLatin1Char(' ') + switches, {tmp_path, switches});
}

CommandLine editor_command(const QString& editor_path, const QString& file)
{
    return editor_with(editor_path, quoted(file), file);
}

CommandLine help_text_command(const QString& editor_path, const QString& start_dir)
{
    const QString help = own_file_path(start_dir, kHelpTextFileName);
    return editor_with(editor_path, help, help);
}

CommandLine file_manager_command(const QString& folder)
{
    CommandLine line;
    line.program = QStringLiteral("EXPLORER");
    line.arguments = {folder};
    line.text = QStringLiteral("EXPLORER ") + quoted(folder);
    return line;
}
