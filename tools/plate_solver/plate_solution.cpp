#include "plate_solver/plate_solution.h"

#include <utility>

namespace flange::plate {

PlateSolution::PlateSolution(PlateProblem problem, EdgeFunctions across, EdgeFunctions along,
                             std::vector<double> coefficients,
                             std::optional<CornerEnrichment> corner, double cornerCoefficient)
    : problem_(problem), across_(std::move(across)), along_(std::move(along)),
      coefficients_(std::move(coefficients)), corner_(std::move(corner)),
      cornerCoefficient_(cornerCoefficient)
{
}

DerivativeTable PlateSolution::derivatives(double x, double y) const
{
    const auto fx = across_.at(x);
    const auto fy = along_.at(y);
    const int nx = across_.count(), ny = along_.count();
    DerivativeTable t{};
    for (int n = 0; n <= 3; ++n) {
        // Sum over j first: g_i = Σ_j c_ij Y_j^(n)(y).
        std::vector<double> g(nx, 0.0);
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j)
                g[i] += coefficients_[std::size_t(i) * ny + j] * fy[n][j];
        for (int m = 0; m + n <= 3; ++m)
            for (int i = 0; i < nx; ++i)
                t[m][n] += g[i] * fx[m][i];
    }
    if (corner_) {
        const auto s = corner_->derivatives(x, y);
        for (int m = 0; m <= 3; ++m)
            for (int n = 0; m + n <= 3; ++n)
                t[m][n] += cornerCoefficient_ * s[m][n];
    }
    return t;
}

double PlateSolution::deflection(double x, double y) const { return derivatives(x, y)[0][0]; }

double PlateSolution::momentX(double x, double y) const
{
    const auto d = derivatives(x, y);
    return -(d[2][0] + problem_.poisson * d[0][2]);
}

double PlateSolution::momentY(double x, double y) const
{
    const auto d = derivatives(x, y);
    return -(d[0][2] + problem_.poisson * d[2][0]);
}

double PlateSolution::reactionX(double x, double y) const
{
    const auto d = derivatives(x, y);
    return -(d[3][0] + (2.0 - problem_.poisson) * d[1][2]);
}

double PlateSolution::reactionY(double x, double y) const
{
    const auto d = derivatives(x, y);
    return -(d[0][3] + (2.0 - problem_.poisson) * d[2][1]);
}

} // namespace flange::plate
