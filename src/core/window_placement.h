#pragma once
// Which stored values of the main window's outer frame can be used at start-up: a stored
// geometry must not open a window that cannot be painted or cannot be seen.

#include <QList>
#include <QRectF>
#include <optional>

// The outer frame as stored, in twips; a missing value is nothing.
struct StoredFrame {
    std::optional<double> top;
    std::optional<double> left;
    std::optional<double> height;
    std::optional<double> width;
};

// The stored values with the unusable ones dropped, as if their keys were missing:
// - a width or height that is not a number, below one pixel (15 twips) or above ten
//   times the widest (highest) screen;
// - top and left both, when the title bar (the frame's top 300 twips, placed by the usable
//   values and, for the others, by current) would lie on no screen.
// screens are the screens' available areas and current the frame the window has now, all
// in twips. Without screens only the sizes below one pixel are dropped.
StoredFrame usable_frame(const StoredFrame& stored, const QRectF& current, const QList<QRectF>& screens);
