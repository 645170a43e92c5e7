#pragma once

#include "plate_solver/derivative_table.h"

#include <array>
#include <optional>

namespace flange::plate {

// The leading non-polynomial term of the deflection where a clamped edge meets a free edge at a
// right angle: u = r^s F(θ) in polar coordinates about the corner, θ = 0 along the clamped edge
// and θ = π/2 along the free edge. u and its slope vanish on the clamped edge; the bending moment
// and the edge reaction vanish on the free edge. Its second derivatives behave like r^(s − 2), so
// the plate's moments near the corner have a cusp (s ≈ 2.35 for ν = 0): a polynomial series alone
// converges very slowly there, and the solver adds this term to its shapes.
//
// Local coordinates: a ≥ 0 runs along the clamped edge, b ≥ 0 along the free edge, from the corner.
// F is scaled so that ∂²u/∂b² = a^(s − 2) along the clamped edge.
class CornerMode {
public:
    // The mode for Poisson's ratio nu if its exponent is real and lies between 2 and 3 (so for
    // nu = 0); otherwise nothing.
    static std::optional<CornerMode> find(double poisson);

    double exponent() const { return s_; }

    // F, F', F'' and F''' at θ (radians).
    std::array<double, 4> angular(double theta) const;

    // Derivatives of u up to third order at (a, b). At the corner itself the values, slopes and
    // second derivatives are 0 (their limits) and the third derivatives are not finite (NaN).
    DerivativeTable derivatives(double a, double b) const;

private:
    CornerMode(double exponent, double a, double b, double c, double d);

    double s_;
    // F(θ) = A cos sθ + B sin sθ + C cos (s − 2)θ + D sin (s − 2)θ
    double a_, b_, c_, d_;
};

} // namespace flange::plate
