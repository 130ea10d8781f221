#include "client_area.h"

#include "twips.h"

#include <QMouseEvent>
#include <QStatusBar>

void ClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_status_bar) {
        const int h = twips_to_px(300);
        m_status_bar->setGeometry(0, height() - h, width(), h);
    }
    emit resized();
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    // A press that a control passed on (an empty part of a list, say) is not on the free surface.
    if (!childAt(event->position().toPoint()))
        emit free_surface_clicked();
}
