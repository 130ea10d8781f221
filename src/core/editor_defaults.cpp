#include "editor_defaults.h"

namespace {

const QString kMacTextOpener = QStringLiteral("open -t");

} // namespace

QString default_editor_path(DesktopSystem system)
{
    switch (system) {
    case DesktopSystem::Windows:
        return QStringLiteral("notepad.exe");
    case DesktopSystem::MacOs:
        return kMacTextOpener;
    case DesktopSystem::OtherUnix:
        break;
    }
    return QStringLiteral("xdg-open");
}

EditorProgram editor_program(const QString& editor_path)
{
    if (editor_path == kMacTextOpener)
        return {QStringLiteral("open"), {QStringLiteral("-t")}};
    return {editor_path, {}};
}

QString editor_in_use(const QString& editor_path, const QString& default_editor)
{
    return editor_path.trimmed().isEmpty() ? default_editor : editor_path;
}
