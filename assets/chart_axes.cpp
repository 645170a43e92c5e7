#include "assets/chart_axes.h"

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

namespace {

// A chart's plot frame in twips of its picture, from Lx/Ly = 2.0 on the left to Ly/Lx = rightRatio
// on the right. Every 0.5 of either ratio takes the same width, so the 2 steps of the left half
// and the 2·(rightRatio − 1) steps of the right half share the frame's width.
ChartAxes plotFrame(double left, double right, double bottom, double top, double rightRatio,
                    double topMoment)
{
    const double leftSteps = 2.0;
    const double rightSteps = 2.0 * (rightRatio - 1.0);
    const double one = left + (right - left) * leftSteps / (leftSteps + rightSteps);
    return {left, 2.0, one, right, rightRatio, bottom, top, topMoment};
}

} // namespace

// The plot frames as the chart pictures draw them (their white ground).
ChartAxes referenceFigure2Axes() { return plotFrame(720, 5520, 5400, 700, 4.0, 0.7); }

ChartAxes alpha0ExcerptAxes() { return plotFrame(1950, 4750, 3900, 105, 3.0, 0.205); }

} // namespace flange
