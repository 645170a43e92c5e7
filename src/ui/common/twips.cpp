#include "ui/common/twips.h"

#include <algorithm>

namespace flange {

int twipsToPixels(int twips)
{
    // Round half away from zero, so that negative positions mirror positive ones.
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((-twips + half) / twipsPerPixel);
}

int pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }

QSize pixelsToTwips(QSize pixels)
{
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

QPoint twipsPoint(int left, int top) { return {twipsToPixels(left), twipsToPixels(top)}; }

QSize twipsSize(int width, int height) { return {twipsToPixels(width), twipsToPixels(height)}; }

QRect twipsRect(int left, int top, int width, int height)
{
    const QPoint topLeft = twipsPoint(left, top);
    const QPoint bottomRight = twipsPoint(left + std::max(width, 0), top + std::max(height, 0));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

QRect twipsRect(const QRect& twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace flange
