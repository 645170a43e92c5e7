#include "plate_solver/corner_enrichment.h"

#include <cmath>
#include <utility>

namespace flange::plate {

namespace {

// c(t) = 1 − 10t³ + 15t⁴ − 6t⁵ and its first three derivatives.
std::array<double, 4> cutoff(double t)
{
    const double t2 = t * t;
    return {1 - t2 * t * (10 - 15 * t + 6 * t2), -30 * t2 * (1 - 2 * t + t2),
            -60 * t * (1 - 3 * t + 2 * t2), -60 * (1 - 6 * t + 6 * t2)};
}

// The cut-off along the free edge, e(b)·c(b/λ) with e(b) = exp(−b²): the Gaussian confines the
// shape to about one side length from its corner however long the free edge is (a shape spread
// over a long panel is almost a polynomial and would make the equations nearly singular), and
// c(b/λ) makes it vanish exactly at the far side edge.
std::array<double, 4> alongCutoff(double b, double aspect)
{
    const double e = std::exp(-b * b);
    const std::array<double, 4> g = {e, -2 * b * e, (4 * b * b - 2) * e,
                                     (12 * b - 8 * b * b * b) * e};
    auto c = cutoff(b / aspect);
    for (int k = 1; k < 4; ++k)
        for (int i = 0; i < k; ++i)
            c[k] /= aspect;
    static constexpr int binomial[4][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0}, {1, 3, 3, 1}};
    std::array<double, 4> out{};
    for (int n = 0; n < 4; ++n)
        for (int j = 0; j <= n; ++j)
            out[n] += binomial[n][j] * g[j] * c[n - j];
    return out;
}

} // namespace

CornerEnrichment::CornerEnrichment(CornerMode mode, double aspect)
    : mode_(std::move(mode)), aspect_(aspect)
{
}

DerivativeTable CornerEnrichment::derivatives(double x, double y) const
{
    static constexpr int binomial[4][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0}, {1, 3, 3, 1}};
    DerivativeTable sum{};
    const double a = 1.0 - x; // both corners lie on the free edge x = 1
    const auto ca = cutoff(a);
    for (const double sign : {1.0, -1.0}) {
        const double b = sign > 0 ? y : aspect_ - y;
        const auto u = mode_.derivatives(a, b);
        const auto cb = alongCutoff(b, aspect_);
        for (int m = 0; m <= 3; ++m)
            for (int n = 0; m + n <= 3; ++n) {
                // Leibniz rule for u·c(a)·c(b/λ), then ∂x = −∂a and ∂y = ±∂b.
                double v = 0.0;
                for (int i = 0; i <= m; ++i)
                    for (int j = 0; j <= n; ++j)
                        v += binomial[m][i] * binomial[n][j] * u[i][j] * ca[m - i] * cb[n - j];
                if (m % 2 == 1)
                    v = -v;
                if (n % 2 == 1)
                    v *= sign;
                sum[m][n] += v;
            }
    }
    return sum;
}

} // namespace flange::plate
