#pragma once

#include "plate_solver/plate_problem.h"
#include "plate_solver/plate_solution.h"

namespace flange::plate {

// Solves a plate panel by the Ritz method: the deflection is a sum of products of edge shapes
// (twice-integrated Legendre polynomials that keep the clamped edges fixed) and, for a panel with a
// free edge, one corner shape that carries the cusp of the moments at the ends of the free edge.
// The coefficients minimise the potential energy
//     ½∫∫ [w_xx² + w_yy² + 2ν w_xx w_yy + 2(1 − ν) w_xy²] − ∫∫ w,
// which leaves the free-edge conditions to the minimisation. Polynomial integrals are exact
// (Gauss rules of sufficient degree); those with the corner shape use Gauss rules on cells that
// halve towards the corners.
class PlateRitzSolver {
public:
    PlateRitzSolver(PlateProblem problem, SeriesSize size);

    // Throws std::runtime_error if the stiffness matrix turns out singular.
    PlateSolution solve() const;

private:
    PlateProblem problem_;
    SeriesSize size_;
};

} // namespace flange::plate
