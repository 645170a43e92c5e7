#include "plate_chart/ratio_axis.h"

#include <cmath>
#include <cstdio>

namespace flange::chart {

RatioAxis::RatioAxis(double leftRatio, double rightRatio)
    : leftRatio_(leftRatio), rightRatio_(rightRatio)
{
}

double RatioAxis::position(double lambda) const
{
    return lambda >= 1.0 ? 2.0 * (lambda - 1.0) : -2.0 * (1.0 / lambda - 1.0);
}

double RatioAxis::lambdaAt(double u) const { return u >= 0.0 ? 1.0 + u / 2 : 1.0 / (1.0 - u / 2); }

std::vector<RatioAxis::Mark> RatioAxis::marks() const
{
    std::vector<Mark> marks;
    const int first = -int(std::lround((leftRatio_ - 1.0) * 10));
    const int last = int(std::lround((rightRatio_ - 1.0) * 10));
    for (int tenth = first; tenth <= last; ++tenth) {
        const double ratio = 1.0 + std::abs(tenth) / 10.0;
        char label[16];
        std::snprintf(label, sizeof label, "%.1f", ratio);
        marks.push_back({tenth / 5.0, label, tenth % 5 == 0});
    }
    return marks;
}

} // namespace flange::chart
