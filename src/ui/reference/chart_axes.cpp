#include "ui/reference/chart_axes.h"

namespace flange {

std::optional<QPointF> ChartAxes::pointAt(double lambda, double moment) const
{
    if (!(lambda > 0.0) || moment < 0.0 || moment > topMoment)
        return std::nullopt;
    double x = 0.0;
    if (lambda < 1.0) {
        const double ratio = 1.0 / lambda; // Lx/Ly on the left half
        if (ratio > leftEndRatio)
            return std::nullopt;
        x = xOne + (xLeftEnd - xOne) * (ratio - 1.0) / (leftEndRatio - 1.0);
    } else {
        if (lambda > rightEndRatio)
            return std::nullopt;
        x = xOne + (xRightEnd - xOne) * (lambda - 1.0) / (rightEndRatio - 1.0);
    }
    const double y = yZero + (yTop - yZero) * moment / topMoment;
    return QPointF(x, y);
}

} // namespace flange

namespace flange {

// Provisional: replaced by the chart generator's geometry.
ChartAxes referenceFigure2Axes()
{
    return {600, 2.0, 1800, 5700, 4.0, 7800, 1800, 0.7};
}
ChartAxes alpha0ExcerptAxes()
{
    return {900, 2.0, 1800, 4500, 3.0, 4300, 900, 0.2};
}

} // namespace flange
