#include "plate_solver/edge_functions.h"

#include "plate_solver/gauss_rule.h"

#include <utility>

namespace flange::plate {

EdgeFunctions::EdgeFunctions(double length, std::vector<int> indices)
    : length_(length), indices_(std::move(indices))
{
}

EdgeFunctions EdgeFunctions::clampedFree(double length, int count)
{
    std::vector<int> indices;
    for (int k = 0; k < count; ++k)
        indices.push_back(k);
    return EdgeFunctions(length, std::move(indices));
}

EdgeFunctions EdgeFunctions::clampedClamped(double length, int count)
{
    std::vector<int> indices;
    for (int k = 0; k < count; ++k)
        indices.push_back(k + 2);
    return EdgeFunctions(length, std::move(indices));
}

EdgeFunctions EdgeFunctions::clampedClampedSymmetric(double length, int count)
{
    std::vector<int> indices;
    for (int k = 0; k < count; ++k)
        indices.push_back(2 * k + 2);
    return EdgeFunctions(length, std::move(indices));
}

std::array<std::vector<double>, 4> EdgeFunctions::at(double x) const
{
    const int top = indices_.back() + 3;
    const double t = 2.0 * x / length_ - 1.0;
    // Legendre polynomials and their derivatives: P'_{k+1} = P'_{k-1} + (2k + 1) P_k.
    std::vector<double> p(top + 1), dp(top + 1);
    p[0] = 1.0;
    p[1] = t;
    dp[0] = 0.0;
    dp[1] = 1.0;
    for (int k = 1; k < top; ++k) {
        p[k + 1] = ((2 * k + 1) * t * p[k] - k * p[k - 1]) / (k + 1);
        dp[k + 1] = dp[k - 1] + (2 * k + 1) * p[k];
    }
    const double scale = 2.0 / length_;
    std::array<std::vector<double>, 4> out;
    for (auto& v : out)
        v.reserve(indices_.size());
    for (int k : indices_) {
        double value, slope;
        if (k == 0) {
            value = 0.5 * (t + 1) * (t + 1);
            slope = t + 1;
        } else if (k == 1) {
            value = (t + 1) * (t + 1) * (t - 2) / 6.0;
            slope = 0.5 * (t * t - 1);
        } else {
            value =
                ((p[k + 2] - p[k]) / (2 * k + 3) - (p[k] - p[k - 2]) / (2 * k - 1)) / (2 * k + 1);
            slope = (p[k + 1] - p[k - 1]) / (2 * k + 1);
        }
        out[0].push_back(value);
        out[1].push_back(slope * scale);
        out[2].push_back(p[k] * scale * scale);
        out[3].push_back(dp[k] * scale * scale * scale);
    }
    return out;
}

DenseMatrix EdgeFunctions::gram(int p, int q) const
{
    const GaussRule rule(highestDegree() + 2);
    std::vector<double> xs, ws;
    rule.appendMapped(0.0, length_, xs, ws);
    DenseMatrix m(count(), count());
    for (std::size_t g = 0; g < xs.size(); ++g) {
        const auto f = at(xs[g]);
        for (int i = 0; i < count(); ++i)
            for (int j = 0; j < count(); ++j)
                m(i, j) += ws[g] * f[p][i] * f[q][j];
    }
    return m;
}

std::vector<double> EdgeFunctions::integrals() const
{
    const GaussRule rule(highestDegree() + 2);
    std::vector<double> xs, ws;
    rule.appendMapped(0.0, length_, xs, ws);
    std::vector<double> sums(count(), 0.0);
    for (std::size_t g = 0; g < xs.size(); ++g) {
        const auto f = at(xs[g]);
        for (int i = 0; i < count(); ++i)
            sums[i] += ws[g] * f[0][i];
    }
    return sums;
}

} // namespace flange::plate
