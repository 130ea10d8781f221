#include "window_frame.h"

#include "app_state.h"
#include "atomic_file.h"
#include "client_area.h"
#include "command_lines.h"
#include "dialogs.h"
#include "file_list.h"
#include "layout_rules.h"
#include "main_controls.h"
#include "main_window.h"
#include "messages.h"
#include "paths.h"
#include "system_services.h"
#include "text_codec.h"
#include "twips.h"
#include "version.h"
#include "window_context.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

// The help text that comes with the program, put where the menu opens it when nothing is
// there yet. A copy the user has (and may have edited) is never replaced.
void provide_help_text(const QString& path)
{
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink())
        return;
    QFile source(QStringLiteral(":/ravufiler/ravfiler.txt"));
    if (!source.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = source.readAll();
#ifdef Q_OS_WIN
    // Editors there expect the system code page and CR LF, like the program's other texts.
    bytes = encode_text(QString::fromUtf8(bytes).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
#endif
    // A copy that cannot be written leaves the editor to say so.
    write_file_atomically(path, bytes);
}

} // namespace

WindowFrame::WindowFrame(WindowContext& context) : m_context(context)
{
    MainControls& c = m_context.controls;
    QObject::connect(c.client, &ClientArea::resized, c.client, [this] { apply_resize_rule(); });
    QObject::connect(c.client, &ClientArea::free_surface_clicked, c.client,
                     [this] { free_surface_clicked(); });
    QObject::connect(c.mnuMftxt, &QAction::triggered, c.mnuMftxt, [this] { show_help_text(); });
    QObject::connect(c.mnuVersion, &QAction::triggered, c.mnuVersion, [this] { show_version(); });
}

void WindowFrame::apply_resize_rule()
{
    MainControls& c = m_context.controls;
    release_panel_width();

    const auto twips = [](int px) { return static_cast<float>(px_to_twips(px)); };
    MainStretch current;
    current.text1_left = twips(c.Text1->x());
    current.text1_top = twips(c.Text1->y());
    current.text1_width = twips(c.Text1->width());
    current.text1_height = twips(c.Text1->height());
    current.list1_top = twips(c.List1->y());
    current.list1_height = twips(c.List1->height());
    current.file1_top = twips(c.File1->y());
    current.file1_height = twips(c.File1->height());

    // W is the outer width, frame included; H the client area below the menu bar, the status
    // bar's strip included.
    const MainStretch next =
        main_resize_rule(current, twips(m_context.window.frameGeometry().width()), twips(c.client->height()));
    c.Text1->resize(twips_to_px(next.text1_width), twips_to_px(next.text1_height));
    c.List1->resize(c.List1->width(), twips_to_px(next.list1_height));
    c.File1->resize(c.File1->width(), twips_to_px(next.file1_height));
}

void WindowFrame::free_surface_clicked()
{
    QLabel* panel = m_context.controls.panels[0];
    if (!m_panel_width_set) {
        m_panel_minimum_width = panel->minimumWidth();
        m_panel_width_set = true;
    }
    // Fixed, so the status bar's layout keeps it until a size change lays the panels out anew.
    panel->setFixedWidth(twips_to_px(800));
}

void WindowFrame::release_panel_width()
{
    if (!m_panel_width_set)
        return;
    QLabel* panel = m_context.controls.panels[0];
    panel->setMaximumWidth(QWIDGETSIZE_MAX);
    panel->setMinimumWidth(m_panel_minimum_width);
    m_panel_width_set = false;
}

void WindowFrame::show_help_text()
{
    const AppState& s = m_context.state;
    provide_help_text(own_file_path(s.start_dir, QStringLiteral("ravfiler.txt")));
    if (!m_context.system.start_task(help_text_command(s.editor_path, s.start_dir), WindowStyle::NoActivate))
        m_context.dialogs.message(&m_context.window, kEditorStartFailedMessage);
}

void WindowFrame::show_version()
{
    m_context.dialogs.message(&m_context.window, version_caption() + QLatin1Char('\r')
                                                     + QStringLiteral("Ravu 曲ファイル選択ツール"));
}
