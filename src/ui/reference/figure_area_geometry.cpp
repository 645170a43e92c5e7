#include "ui/reference/figure_area_geometry.h"

#include <algorithm>
#include <cmath>

namespace flange::figure_area {

namespace {

int atLeastZero(int twips) { return std::max(twips, 0); }

// Content extents, in cells, that the scroll ranges bring into view.
constexpr int figure1ContentColumns = 70;
constexpr int figure2ContentColumns = 56;
constexpr int figure2ContentRows = 36;

// Pane sizes when the main window is loaded, before any pane is laid out.
constexpr QSize figure1InitialPaneTwips{4785, 2115};
constexpr QSize figure2InitialPaneTwips{6285, 5085};

} // namespace

FigureLayout layoutReferenceFigure1(QSize areaTwips)
{
    const int width = atLeastZero(areaTwips.width());
    const int height = atLeastZero(areaTwips.height() - scrollBarTwips);
    return {QRect(0, 0, width, height), QRect(0, height, width, scrollBarTwips), QRect()};
}

FigureLayout layoutReferenceFigure2(QSize areaTwips)
{
    const int width = atLeastZero(areaTwips.width() - scrollBarTwips);
    const int height = atLeastZero(areaTwips.height() - scrollBarTwips);
    return {QRect(0, 0, width, height), QRect(0, height, width, scrollBarTwips),
            QRect(width, 0, scrollBarTwips, height)};
}

int scrollMaximum(int contentCells, int paneTwips, int cellTwips, int twipsPerPixel)
{
    const int innerTwips = paneTwips - 2 * paneBorderPixels * twipsPerPixel;
    const double cells = contentCells - static_cast<double>(innerTwips) / cellTwips;
    // Round half to even, independent of the floating-point rounding mode in force.
    const double below = std::floor(cells);
    const double fraction = cells - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<int>(rounded);
}

ScrollMaxima initialScrollMaxima(int twipsPerPixel)
{
    return {scrollMaximum(figure1ContentColumns, figure1InitialPaneTwips.width(), cellWidthTwips,
                          twipsPerPixel),
            scrollMaximum(figure2ContentColumns, figure2InitialPaneTwips.width(), cellWidthTwips,
                          twipsPerPixel),
            scrollMaximum(figure2ContentRows, figure2InitialPaneTwips.height(), cellHeightTwips,
                          twipsPerPixel)};
}

} // namespace flange::figure_area
