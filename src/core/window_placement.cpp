#include "window_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kOnePixelTwips = 15;
// How much of the frame's top the title bar is taken to be before the frame is known.
constexpr double kTitleBarTwips = 300;
constexpr double kMostScreens = 10;

void drop_unless(std::optional<double>& value, double most)
{
    if (value && (!std::isfinite(*value) || *value < kOnePixelTwips || *value > most))
        value.reset();
}

} // namespace

StoredFrame usable_frame(const StoredFrame& stored, const QRectF& current, const QList<QRectF>& screens)
{
    StoredFrame usable = stored;
    double widest = 0;
    double highest = 0;
    for (const QRectF& screen : screens) {
        widest = std::max(widest, screen.width());
        highest = std::max(highest, screen.height());
    }
    const double no_bound = std::numeric_limits<double>::infinity();
    drop_unless(usable.width, screens.isEmpty() ? no_bound : kMostScreens * widest);
    drop_unless(usable.height, screens.isEmpty() ? no_bound : kMostScreens * highest);

    for (std::optional<double>* edge : {&usable.top, &usable.left})
        if (*edge && !std::isfinite(**edge))
            edge->reset();
    if (screens.isEmpty() || (!usable.top && !usable.left))
        return usable;
    const QRectF title_bar(usable.left.value_or(current.left()), usable.top.value_or(current.top()),
                           usable.width.value_or(current.width()), kTitleBarTwips);
    const bool seen = std::any_of(screens.begin(), screens.end(),
                                  [&](const QRectF& screen) { return screen.intersects(title_bar); });
    if (!seen) {
        usable.top.reset();
        usable.left.reset();
    }
    return usable;
}
