#include "plate_solver/plate_coefficients.h"

#include "plate_solver/plate_ritz_solver.h"

#include <cmath>

namespace flange::plate {

namespace {

// The largest hogging moment along the side edge y = 0: a scan, then a golden-section search
// around the best sample. Near the free edge the moment rises in a cusp to its end value, so the
// end x = 1 itself is a candidate.
double largestSideMoment(const PlateSolution& s)
{
    auto moment = [&s](double x) { return -s.momentY(x, 0.0); };
    const int samples = 100;
    int best = samples;
    double bestValue = moment(1.0);
    for (int i = 1; i < samples; ++i) {
        const double v = moment(double(i) / samples);
        if (v > bestValue)
            best = i, bestValue = v;
    }
    if (best == samples)
        return bestValue;
    double lo = double(best - 1) / samples, hi = double(best + 1) / samples;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 40; ++i) {
        const double a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
        if (moment(a) > moment(b))
            hi = b;
        else
            lo = a;
    }
    return std::max(bestValue, moment(0.5 * (lo + hi)));
}

} // namespace

PlateCoefficients measureCoefficients(const PlateSolution& s)
{
    const double lambda = s.problem().aspect;
    const double mid = lambda / 2;
    PlateCoefficients c;
    c.aspect = lambda;
    c.freeEdgeEnd = -s.momentY(1.0, 0.0);
    c.freeEdgeMiddle = s.momentY(1.0, mid);
    c.oppositeEdgeMiddle = -s.momentX(0.0, mid);
    c.sideEdgeMiddle = -s.momentY(0.5, 0.0);
    c.sideEdgeLargest = largestSideMoment(s);
    c.oppositeReaction = std::abs(s.reactionX(0.0, mid));
    c.sideReaction = std::abs(s.reactionY(0.5, 0.0));
    c.freeEdgeDeflection = s.deflection(1.0, mid);
    return c;
}

PlateCoefficients solveCoefficients(double aspect, int order)
{
    const PlateProblem problem{aspect, 0.0, true};
    return measureCoefficients(
        PlateRitzSolver(problem, SeriesSize::forOrder(order, aspect)).solve());
}

} // namespace flange::plate
