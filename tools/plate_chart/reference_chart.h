#pragma once

#include "plate_solver/coefficient_table.h"

#include <string>

namespace flange::chart {

// Reference figure 2 (Image19, 6030 × 8835 twips): the stresses of a panel clamped on three edges
// and free on the fourth under a uniform load, ν = 0, against the side ratio. Moment coefficients
// (×w·Lx²) on the left axis, edge reactions (×w·Lx) on the right axis, the moment at the ends of
// the free edge, α0, drawn heavy; below the chart a key drawing of the panel and a legend.
class ReferenceChart {
public:
    explicit ReferenceChart(const plate::CoefficientTable& table) : table_(table) {}

    std::string svg() const;

private:
    const plate::CoefficientTable& table_;
};

} // namespace flange::chart
