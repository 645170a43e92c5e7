#pragma once

#include "plate_chart/plot_frame.h"
#include "plate_solver/coefficient_table.h"

#include <string>
#include <vector>

namespace flange::chart {

// One column of the coefficient table drawn over the ratio axis: sampled finely along the axis
// (the table's rows are interpolated), cut off where it leaves the top of the frame, and kept to
// the points that bring it within 1.5 twips of every sample.
class CoefficientCurve {
public:
    // `scale` maps the column onto the frame's value axis (1 for moments; shears are drawn on a
    // right-hand axis four times as coarse, scale 1/4).
    CoefficientCurve(const plate::CoefficientTable& table, const std::string& column,
                     double scale = 1.0);

    double valueAt(double lambda) const; // scaled
    std::vector<Point> points(const PlotFrame& frame) const;

private:
    const plate::CoefficientTable& table_;
    int column_;
    double scale_;
};

} // namespace flange::chart
