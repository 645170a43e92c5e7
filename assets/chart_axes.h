#pragma once

// Where a value lies on the α0 chart pictures. The ratio axis has two halves meeting at 1.0: on
// the left the ratio Lx/Ly from its largest mark down to 1.0 (the free edge shorter than the
// clamped sides), on the right Ly/Lx from 1.0 up; each half is linear in its own ratio. The
// moment axis is linear, 0 at the ratio axis. Coordinates are twips of the picture.

#include <QPointF>

#include <optional>

namespace flange {

struct ChartAxes {
    double xLeftEnd = 0.0;      // x of the left end of the ratio axis
    double leftEndRatio = 2.0;  // Lx/Ly there
    double xOne = 0.0;          // x of the ratio 1.0
    double xRightEnd = 0.0;     // x of the right end of the ratio axis
    double rightEndRatio = 4.0; // Ly/Lx there
    double yZero = 0.0;         // y of the moment coefficient 0 (the ratio axis)
    double yTop = 0.0;          // y of the top of the moment axis
    double topMoment = 0.5;     // moment coefficient there

    // The point of the edge ratio lambda = Ly/Lx and the moment coefficient m, or nothing when
    // it lies off the axes.
    std::optional<QPointF> pointAt(double lambda, double moment) const;
};

// The axes of reference figure 2 (Image19) and of its excerpt in the α0 pane (Image37).
ChartAxes referenceFigure2Axes();
ChartAxes alpha0ExcerptAxes();

} // namespace flange
