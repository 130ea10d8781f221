#include "editor_defaults.h"

#include "text_codec.h"

const QString kMacTextOpener = QStringLiteral("open -t");

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

QString drive_root_of(const QString& path, const QStringList& roots, DesktopSystem system)
{
    QString best;
    const QChar sep = system == DesktopSystem::Windows ? QLatin1Char('\\') : QLatin1Char('/');
    const Qt::CaseSensitivity cs = system == DesktopSystem::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (const QString& root : roots) {
        const QString prefix = root.endsWith(sep) ? root : root + sep;
        const bool inside = path.compare(root, cs) == 0 || path.startsWith(prefix, cs);
        if (inside && root.size() > best.size())
            best = root;
    }
    return best;
}

bool programs_marked_by_permission(DesktopSystem system) { return system != DesktopSystem::Windows; }

QByteArray native_text_file(const QByteArray& utf8_text, DesktopSystem system)
{
    if (system != DesktopSystem::Windows)
        return utf8_text;
    return encode_text(QString::fromUtf8(utf8_text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}
