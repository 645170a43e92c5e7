#include "plate_solver/gauss_rule.h"

#include <cmath>
#include <numbers>

namespace flange::plate {

GaussRule::GaussRule(int points) : nodes_(points), weights_(points)
{
    // Newton's method on P_n from the usual asymptotic guesses; the roots are symmetric.
    const int n = points;
    for (int i = 0; i < (n + 1) / 2; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        double derivative = 1.0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            double p0 = 1.0, p1 = x;
            for (int k = 2; k <= n; ++k) {
                const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1.0);
            const double step = p1 / derivative;
            x -= step;
            if (std::abs(step) < 1e-16)
                break;
        }
        nodes_[i] = -x;
        nodes_[n - 1 - i] = x;
        weights_[i] = weights_[n - 1 - i] = 2.0 / ((1.0 - x * x) * derivative * derivative);
    }
}

void GaussRule::appendMapped(double lo, double hi, std::vector<double>& nodes,
                             std::vector<double>& weights) const
{
    const double half = 0.5 * (hi - lo);
    const double mid = 0.5 * (hi + lo);
    for (int i = 0; i < size(); ++i) {
        nodes.push_back(mid + half * nodes_[i]);
        weights.push_back(half * weights_[i]);
    }
}

} // namespace flange::plate
