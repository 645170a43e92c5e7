#pragma once

#include "plate_solver/corner_mode.h"
#include "plate_solver/derivative_table.h"

namespace flange::plate {

// The extra deflection shape that carries the cusp of the moments at both ends of the free edge:
// the corner mode at (1, 0) and its mirror image at (1, λ), each multiplied by a cut-off
// c(a)·e(b)·c(b/λ), with a = 1 − x the distance from the free edge, b = y resp. λ − y the
// distance from the corner's side edge, c(t) = 1 − 10t³ + 15t⁴ − 6t⁵ and e(b) = exp(−b²).
// The cut-off is 1 with a zero slope at its corner, so near the corner the shape is the pure mode,
// and c vanishes with its first two derivatives at t = 1, so the shape keeps the clamped edges
// x = 0, y = 0 and y = λ fixed. Coordinates are those of the panel: x across (0 at the clamped
// edge opposite the free edge, 1 at the free edge), y along the free edge.
class CornerEnrichment {
public:
    CornerEnrichment(CornerMode mode, double aspect);

    // Derivatives of the shape up to third order at (x, y); the third derivatives are not finite
    // at the two corners.
    DerivativeTable derivatives(double x, double y) const;

    const CornerMode& mode() const { return mode_; }

private:
    CornerMode mode_;
    double aspect_;
};

} // namespace flange::plate
