#pragma once

// Window geometry is given in twips (1440 per inch); the screen draws at 15 twips per logical
// pixel. Rectangles are converted edge by edge, so that controls placed side by side in twips stay
// side by side in pixels whatever the rounding.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace flange {

inline constexpr int twipsPerScreenPixel = 15;

// Pixels of a length or coordinate in twips, rounded to the nearest pixel.
inline int pixelsFromTwips(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerScreenPixel));
}

inline int twipsFromPixels(int pixels)
{
    return pixels * twipsPerScreenPixel;
}

// A rectangle in twips (left, top, width, height) as pixels; a negative size counts as 0.
inline QRect pixelRectFromTwips(int left, int top, int width, int height)
{
    const int x0 = pixelsFromTwips(left);
    const int y0 = pixelsFromTwips(top);
    const int x1 = pixelsFromTwips(left + std::max(width, 0));
    const int y1 = pixelsFromTwips(top + std::max(height, 0));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

inline QRect pixelRectFromTwips(const QRect& twips)
{
    return pixelRectFromTwips(twips.x(), twips.y(), twips.width(), twips.height());
}

inline QPoint pixelPointFromTwips(int x, int y)
{
    return {pixelsFromTwips(x), pixelsFromTwips(y)};
}

inline QSize twipsFromPixels(QSize pixels)
{
    return {twipsFromPixels(pixels.width()), twipsFromPixels(pixels.height())};
}

} // namespace flange
