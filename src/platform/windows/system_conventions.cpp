#include "system_conventions.h"

#include "command_lines.h"
#include "process_start.h"
#include "text_codec.h"

DesktopSystem this_desktop_system() { return DesktopSystem::Windows; }

bool programs_marked_by_permission() { return false; }

// Editors there expect the system code page and CR LF, like the program's other texts.
QByteArray native_text_file(const QByteArray& utf8_text)
{
    return encode_text(QString::fromUtf8(utf8_text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

// The system's own file manager with the folder's command line.
bool show_in_file_manager(const QString& folder)
{
    return start_process(file_manager_command(folder), WindowStyle::Normal) != nullptr;
}
