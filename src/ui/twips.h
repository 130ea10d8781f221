#pragma once
// Layout constants are kept in twips; this is the one place they become pixels.

#include <QRect>
#include <cmath>

inline constexpr double kTwipsPerPixel = 15.0;

inline int twips_to_px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline double px_to_twips(int px) { return px * kTwipsPerPixel; }

inline QRect twips_rect(double left, double top, double width, double height)
{
    return QRect(twips_to_px(left), twips_to_px(top), twips_to_px(width), twips_to_px(height));
}
