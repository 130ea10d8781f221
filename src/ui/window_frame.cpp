#include "window_frame.h"

#include "client_area.h"
#include "file_list.h"
#include "layout_rules.h"
#include "main_controls.h"
#include "twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <utility>

WindowFrame::WindowFrame(QWidget& window, const MainControls& controls)
    : m_window(window), m_controls(controls)
{
    ClientArea* client = m_controls.client;
    QObject::connect(client, &ClientArea::resized, client, [this] { apply_resize_rule(); });
    QObject::connect(client, &ClientArea::free_surface_clicked, client, [this] { free_surface_clicked(); });
}

void WindowFrame::apply_resize_rule()
{
    const MainControls& c = m_controls;
    // A size change lays the panels out anew: panel 1 takes back its own width.
    if (const auto minimum = std::exchange(m_panel_minimum_width, std::nullopt)) {
        c.panels[0]->setMaximumWidth(QWIDGETSIZE_MAX);
        c.panels[0]->setMinimumWidth(*minimum);
    }

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
        main_resize_rule(current, twips(m_window.frameGeometry().width()), twips(c.client->height()));
    c.Text1->resize(twips_to_px(next.text1_width), twips_to_px(next.text1_height));
    c.List1->resize(c.List1->width(), twips_to_px(next.list1_height));
    c.File1->resize(c.File1->width(), twips_to_px(next.file1_height));
}

void WindowFrame::free_surface_clicked()
{
    QLabel* panel = m_controls.panels[0];
    if (!m_panel_minimum_width)
        m_panel_minimum_width = panel->minimumWidth();
    // Fixed, so the status bar's layout keeps it until a size change lays the panels out anew.
    panel->setFixedWidth(twips_to_px(800));
}
