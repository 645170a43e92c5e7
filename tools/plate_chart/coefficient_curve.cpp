#include "plate_chart/coefficient_curve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace flange::chart {

CoefficientCurve::CoefficientCurve(const plate::CoefficientTable& table, const std::string& column,
                                   double scale)
    : table_(table), scale_(scale)
{
    const auto index = table.column(column);
    if (!index)
        throw std::runtime_error("the coefficient table has no column " + column);
    column_ = *index;
}

double CoefficientCurve::valueAt(double lambda) const
{
    const auto v = table_.valueAt(column_, lambda);
    if (!v)
        throw std::runtime_error("the coefficient table does not cover the chart's range");
    return *v * scale_;
}

std::vector<Point> CoefficientCurve::points(const PlotFrame& frame) const
{
    const RatioAxis& axis = frame.axis();
    const double from = axis.leftEnd(), to = axis.rightEnd();
    const int samples = int(std::ceil((to - from) / 0.02));
    std::vector<Point> points;
    double previousLambda = axis.lambdaAt(from);
    points.push_back(frame.at(previousLambda, valueAt(previousLambda)));
    for (int i = 1; i <= samples; ++i) {
        const double lambda = axis.lambdaAt(from + (to - from) * i / samples);
        const double value = valueAt(lambda);
        if (value > frame.topValue()) {
            // Where it leaves the frame: bisect between the last two samples.
            double lo = previousLambda, hi = lambda;
            for (int k = 0; k < 40; ++k) {
                const double mid = 0.5 * (lo + hi);
                (valueAt(mid) > frame.topValue() ? hi : lo) = mid;
            }
            points.push_back(frame.at(lo, frame.topValue()));
            break;
        }
        points.push_back(frame.at(lambda, value));
        previousLambda = lambda;
    }
    return points;
}

} // namespace flange::chart
