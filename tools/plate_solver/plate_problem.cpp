#include "plate_solver/plate_problem.h"

#include <algorithm>
#include <cmath>

namespace flange::plate {

SeriesSize SeriesSize::forOrder(int order, double aspect)
{
    // `order` shapes per unit length across, at least `order` over the shorter side, and along
    // the same number per unit length of the longer side; along-shapes are symmetric only, so
    // they need half as many for the same degree.
    const int across = int(std::ceil(order / std::min(1.0, aspect) - 1e-9));
    const int along = int(std::ceil(order * std::max(aspect, 1.0 / aspect) / 2 - 1e-9));
    return {across, std::max(along, 2)};
}

} // namespace flange::plate
