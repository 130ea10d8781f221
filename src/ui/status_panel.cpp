#include "status_panel.h"

#include "fonts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent), m_designed_font(font()) {}

QRect StatusPanel::text_area() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

QString StatusPanel::shown_text() const
{
    // Ink may reach a pixel past the advance that eliding counts (glyphs at fractional places,
    // a last letter's overhang), and the clip would cut it: shortened until the ink fits too.
    const QFontMetrics metrics = fontMetrics();
    const int room = text_area().width();
    const QString elided = metrics.elidedText(text(), Qt::ElideMiddle, room);
    // A letter or two at most; where a font reports ink far past its advance, the advance decides.
    const int least = room - 2 * metrics.averageCharWidth();
    QString shown = elided;
    for (int width = room - 1; width > least && metrics.boundingRect(shown).right() >= room; --width)
        shown = metrics.elidedText(text(), Qt::ElideMiddle, width);
    return metrics.boundingRect(shown).right() < room ? shown : elided;
}

// The panel's width comes from the status bar's stretch, or from its text where it is sized to it.
QSize StatusPanel::sizeHint() const
{
    const QSize label = QLabel::sizeHint();
    return {m_sized_to_text ? std::max(minimumWidth(), label.width()) : minimumWidth(), label.height()};
}

QSize StatusPanel::minimumSizeHint() const { return {minimumWidth(), QLabel::minimumSizeHint().height()}; }

bool StatusPanel::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    if (shown_text() != text())
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
    else
        QToolTip::hideText();
    return true;
}

void StatusPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, text_area(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown_text(), foregroundRole());
}

void StatusPanel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    setFont(font_fitting_height(m_designed_font, text_area().height()));
}
