#include "plate_chart/coefficient_curve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace flange::chart {

namespace {

// How far a drawn curve may stray from its samples, in twips: a tenth of the thinnest curve's
// stroke, and less than any printer resolves.
constexpr double curveTolerance = 1.5;

double distanceToSegment(const Point& p, const Point& a, const Point& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Keeps only the samples the page needs (Douglas and Peucker): a point is dropped where the line
// between its neighbours kept passes within the tolerance of it and of every sample between.
void keepNeeded(const std::vector<Point>& samples, std::size_t from, std::size_t to,
                std::vector<Point>& kept)
{
    double farthest = 0;
    std::size_t at = from;
    for (std::size_t i = from + 1; i < to; ++i) {
        const double d = distanceToSegment(samples[i], samples[from], samples[to]);
        if (d > farthest) {
            farthest = d;
            at = i;
        }
    }
    if (farthest <= curveTolerance) {
        kept.push_back(samples[to]);
        return;
    }
    keepNeeded(samples, from, at, kept);
    keepNeeded(samples, at, to, kept);
}

} // namespace

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
    std::vector<Point> kept{points.front()};
    if (points.size() > 1)
        keepNeeded(points, 0, points.size() - 1, kept);
    return kept;
}

} // namespace flange::chart
