#include "window_frame.h"

#include "client_area.h"
#include "file_list.h"
#include "layout_rules.h"
#include "twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

WindowFrame::WindowFrame(QWidget& window, const FrameControls& controls)
    : m_window(window), m_controls(controls)
{
    ClientArea* client = m_controls.client;
    QObject::connect(client, &ClientArea::resized, client, [this] { apply_resize_rule(); });
    QObject::connect(client, &ClientArea::free_surface_clicked, client, [this] { free_surface_clicked(); });
}

void WindowFrame::apply_resize_rule()
{
    const FrameControls& c = m_controls;
    release_panel_width();

    const auto twips = [](int px) { return static_cast<float>(px_to_twips(px)); };
    MainStretch current;
    current.text1_left = twips(c.preview->x());
    current.text1_top = twips(c.preview->y());
    current.text1_width = twips(c.preview->width());
    current.text1_height = twips(c.preview->height());
    current.list1_top = twips(c.list->y());
    current.list1_height = twips(c.list->height());
    current.file1_top = twips(c.files->y());
    current.file1_height = twips(c.files->height());

    // W is the outer width, frame included; H the client area below the menu bar, the status
    // bar's strip included.
    const MainStretch next =
        main_resize_rule(current, twips(m_window.frameGeometry().width()), twips(c.client->height()));
    c.preview->resize(twips_to_px(next.text1_width), twips_to_px(next.text1_height));
    c.list->resize(c.list->width(), twips_to_px(next.list1_height));
    c.files->resize(c.files->width(), twips_to_px(next.file1_height));
}

void WindowFrame::free_surface_clicked()
{
    QLabel* panel = m_controls.first_panel;
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
    QLabel* panel = m_controls.first_panel;
    panel->setMaximumWidth(QWIDGETSIZE_MAX);
    panel->setMinimumWidth(m_panel_minimum_width);
    m_panel_width_set = false;
}
