#include "player_runner.h"

#include "settings.h"
#include "settings_keys.h"

#include <QDir>

namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// True when folder is path itself or one of its leading folders.
bool leads_to(const QString& folder, const QString& path)
{
    if (folder == QLatin1String("/"))
        return true;
    return path == folder || (path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/'));
}

} // namespace

bool is_windows_program(const QString& player_path)
{
    for (const char* suffix : {".exe", ".com", ".bat", ".cmd"})
        if (player_path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    return false;
}

RunnerChoice choose_runner(const QString& player_path, const QString& runner_setting, DesktopSystem system)
{
    if (system == DesktopSystem::Windows || !is_windows_program(player_path)
        || runner_setting == kDirectStartRunner)
        return {};
    if (runner_setting != kMissing && !runner_setting.trimmed().isEmpty())
        return {RunnerKind::Named, runner_setting};
    return {RunnerKind::Default, kDefaultRunner};
}

QString windows_form(const QString& given, const QList<DriveLink>& drives)
{
    if (!given.startsWith(QLatin1Char('/')))
        return given;
    const QString path = QDir::cleanPath(given);
    const DriveLink* best = nullptr;
    for (const DriveLink& drive : drives)
        if (leads_to(drive.target, path) && (!best || drive.target.size() > best->target.size()))
            best = &drive;
    if (!best)
        return given;
    QString rest = path.mid(best->target == QLatin1String("/") ? 1 : best->target.size());
    if (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(best->letter) + QStringLiteral(":\\") + rest;
}

CommandLine through_runner(const CommandLine& player_command, const QString& runner,
                           const QList<DriveLink>& drives)
{
    CommandLine line = player_command;
    line.program = runner;
    line.arguments.prepend(player_command.program);
    if (player_command.arguments.isEmpty()) {
        line.text = quoted(runner) + QLatin1Char(' ') + player_command.text;
        return line;
    }
    const QString& path = player_command.arguments.first();
    const QString mapped = windows_form(path, drives);
    line.arguments[1] = mapped;
    QString text = player_command.text;
    const qsizetype at = text.indexOf(quoted(path), quoted(player_command.program).size());
    if (at >= 0)
        text.replace(at, quoted(path).size(), quoted(mapped));
    line.text = quoted(runner) + QLatin1Char(' ') + text;
    return line;
}
