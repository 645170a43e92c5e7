#pragma once

#include "plate_solver/coefficient_table.h"

#include <string>

namespace flange::chart {

// The chart excerpt of the α0 pane (Image37, 4950 × 4755 twips): the α0 curve alone over the side
// ratio, Lx/Ly 2.0 to 1.0 and Ly/Lx 1.0 to 3.0, α0 from 0 to 0.2, with the worked reading at
// Ly/Lx = 1.17 marked by lines from the curve to both axes.
//
// The pane lays two fixed labels over the picture: the value read, "0.12", beside the vertical
// axis at (1380, 1020) and the ratio, "1.17", at (4590, 4200), both 480 × 240 in picture
// coordinates; the picture's left 510 twips lie outside the pane. The true reading does not fall
// exactly on those places with a true scale, so short leader lines run from the axis ends of the
// reading lines to the labels.
class Alpha0Excerpt {
public:
    explicit Alpha0Excerpt(const plate::CoefficientTable& table) : table_(table) {}

    std::string svg() const;

    static constexpr double readingRatio = 1.17;

private:
    const plate::CoefficientTable& table_;
};

} // namespace flange::chart
