#include "fonts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QStatusBar>
#include <QStringList>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

QFont first_installed(const QStringList& families, bool fixed)
{
    const QStringList installed = QFontDatabase::families();
    const auto found = std::ranges::find_if(
        families, [&installed](const QString& family) { return installed.contains(family); });
    QFont font(found != families.end() ? *found : families.first(), 9);
    font.setFixedPitch(fixed);
    if (found == families.end()) {
        // None installed: the font matcher takes the nearest, a fixed-pitch one where asked.
        font.setFamilies(families);
        if (fixed)
            font.setStyleHint(QFont::Monospace);
    }
    return font;
}

// Smaller sizes are tried in these steps down to this size, below which a caption is no
// longer readable anyway.
constexpr double kPointStep = 0.25;
constexpr double kSmallestPointSize = 6.0;

// Tall and low letters of both scripts, for a line whose text changes (status-bar panels).
const QString kInkSample = QStringLiteral("対象ファイル：gjpqy");

// Box indicators no larger than the box: the designed boxes are lower than some styles'
// indicators, which would be cut.
class BoxStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        const bool indicator = metric == PM_IndicatorWidth || metric == PM_IndicatorHeight
                               || metric == PM_ExclusiveIndicatorWidth
                               || metric == PM_ExclusiveIndicatorHeight;
        return indicator && widget && widget->height() > 0 ? std::min(size, widget->height()) : size;
    }
};

bool is_box(const QWidget* control)
{
    return qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control);
}

// A control's caption and where the style lays it out, in the control's coordinates.
struct CaptionPlace {
    QString text; // empty for controls without one
    QRect area;
    Qt::Alignment alignment = Qt::AlignCenter;
    QRect hit;   // a box's click area; empty for other controls
    int gap = 0; // a box's room between indicator and caption
};

CaptionPlace caption_place(const QWidget& control)
{
    CaptionPlace place;
    place.area = control.rect();
    const QStyle* style = control.style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = place.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
        if (is_box(button)) {
            place.area = style->subElementRect(
                radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
            place.hit = style->subElementRect(
                radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &option, button);
            place.gap = style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                 : QStyle::PM_CheckBoxLabelSpacing,
                                           &option, button);
            place.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (const auto* push = qobject_cast<const QPushButton*>(button)) {
            if (push->autoDefault())
                option.features |= QStyleOptionButton::AutoDefaultButton;
            place.area = style->subElementRect(QStyle::SE_PushButtonContents, &option, push);
        }
    } else if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        place.text = label->text();
        const int margin = label->margin();
        place.area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        place.alignment = label->alignment();
    }
    return place;
}

// The ink of a text as the style draws it into `area`, but unclipped: the pixels it covers
// by at least a quarter, in the area's coordinates; null when it leaves none.
QRect text_ink(const QStyle& style, const QFont& font, const QRect& area, Qt::Alignment alignment,
               const QString& text, qreal ratio)
{
    const QFontMetrics metrics(font);
    const QPoint margin(metrics.horizontalAdvance(text) + metrics.height(), 2 * metrics.height());
    const QSize logical = area.size() + QSize(2 * margin.x(), 2 * margin.y());
    QImage image(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        style.drawItemText(&painter, QRect(margin, area.size()),
                           int(alignment) | Qt::TextDontClip | Qt::TextShowMnemonic, QPalette(), true, text);
    }
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 64)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    // Device pixels back to the area's own, rounded outwards.
    const QPoint first(int(std::floor(left / ratio)), int(std::floor(top / ratio)));
    const QPoint last(int(std::ceil((right + 1) / ratio)) - 1, int(std::ceil((bottom + 1) / ratio)) - 1);
    return QRect(first, last).translated(area.topLeft() - margin);
}

// Where a control's caption must end, in its own coordinates: its right edge, or the left
// edge of a shown control that overlaps it from the right (the top row's designed
// rectangles overlap).
int room_right(const QWidget& control)
{
    int right = control.width();
    const QRect own = control.geometry();
    for (const QObject* object : control.parent()->children()) {
        const auto* other = qobject_cast<const QWidget*>(object);
        if (!other || other == &control || !other->isVisibleTo(control.window()))
            continue;
        const QRect rect = other->geometry();
        if (rect.intersects(own) && rect.left() > own.left())
            right = std::min(right, rect.left() - own.left());
    }
    return right;
}

// Whole: the caption's ink within the area the style clips it to and ending before the room
// does, a box's click area too.
bool caption_fits(const QWidget& control)
{
    const CaptionPlace place = caption_place(control);
    if (place.text.isEmpty())
        return true;
    const QRect ink = text_ink(*control.style(), control.font(), place.area, place.alignment, place.text,
                               control.devicePixelRatioF());
    const int room = room_right(control);
    const int gap = room < control.width() ? place.gap : 0; // a box's caption stands apart from the next box
    return place.area.contains(ink) && ink.right() + gap < room
           && (place.hit.isEmpty() || place.hit.right() < room);
}

// The largest size, from the font's own down, at which `fits` holds; the smallest one tried
// when none does. A font sized in pixels is kept.
QFont largest_fitting(QFont font, const std::function<bool(const QFont&)>& fits)
{
    if (font.pointSizeF() <= 0 || fits(font))
        return font;
    for (double size = font.pointSizeF() - kPointStep; size > kSmallestPointSize; size -= kPointStep) {
        font.setPointSizeF(size);
        if (fits(font))
            return font;
    }
    font.setPointSizeF(kSmallestPointSize);
    return font;
}

void confine_hit_area(QWidget& box)
{
    const QRect hit = caption_place(box).hit;
    box.setMask(QRegion(hit.intersected(QRect(0, 0, room_right(box), box.height()))));
}

} // namespace

QFont fixed_japanese_font()
{
    return first_installed({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                            QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans Mono CJK SC")},
                           true);
}

QFont proportional_japanese_font()
{
    return first_installed({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans CJK SC")},
                           false);
}

void fit_captions(QWidget& window)
{
    QList<QWidget*> boxes;
    QList<QWidget*> others;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // Status-bar panels show changing text and fit themselves (font_fitting_height).
        if (!control->isVisibleTo(&window) || caption_place(*control).text.isEmpty()
            || qobject_cast<QStatusBar*>(control->parentWidget()))
            continue;
        (is_box(control) ? boxes : others).append(control);
    }

    if (!boxes.isEmpty()) {
        auto* style = new BoxStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(&window);
        for (QWidget* box : boxes)
            box->setStyle(style);
        const QFont font = largest_fitting(boxes.first()->font(), [&boxes](const QFont& candidate) {
            return std::all_of(boxes.begin(), boxes.end(), [&candidate](QWidget* box) {
                box->setFont(candidate);
                return caption_fits(*box);
            });
        });
        for (QWidget* box : boxes) {
            box->setFont(font);
            confine_hit_area(*box);
        }
    }

    for (QWidget* control : others) {
        if (caption_fits(*control))
            continue;
        control->setFont(largest_fitting(control->font(), [control](const QFont& candidate) {
            control->setFont(candidate);
            return caption_fits(*control);
        }));
    }
}

QFont font_fitting_height(const QFont& font, int height)
{
    return largest_fitting(font, [height](const QFont& candidate) {
        const QRect area(0, 0, QFontMetrics(candidate).horizontalAdvance(kInkSample), height);
        const QRect ink = text_ink(*QApplication::style(), candidate, area, Qt::AlignLeft | Qt::AlignVCenter,
                                   kInkSample, qApp->devicePixelRatio());
        return ink.top() >= 0 && ink.bottom() < height;
    });
}
