#pragma once

#include "plate_solver/corner_enrichment.h"
#include "plate_solver/derivative_table.h"
#include "plate_solver/edge_functions.h"
#include "plate_solver/plate_problem.h"

#include <optional>
#include <vector>

namespace flange::plate {

// The deflection found by the series: w(x, y) = Σ c_ij X_i(x) Y_j(y) (+ c_s·S(x, y) with the
// corner shape S when the panel has a free edge). Units as in PlateProblem.
class PlateSolution {
public:
    PlateSolution(PlateProblem problem, EdgeFunctions across, EdgeFunctions along,
                  std::vector<double> coefficients, std::optional<CornerEnrichment> corner,
                  double cornerCoefficient);

    const PlateProblem& problem() const { return problem_; }
    int unknowns() const { return int(coefficients_.size()) + (corner_ ? 1 : 0); }
    // The weight of the corner shape (0 without a free edge).
    double cornerCoefficient() const { return cornerCoefficient_; }

    // Derivatives of w up to third order at (x, y).
    DerivativeTable derivatives(double x, double y) const;

    double deflection(double x, double y) const;
    // Bending moments per unit width, positive when sagging (the face away from the load in
    // tension): Mx = −(w_xx + ν w_yy) bends strips along x, My = −(w_yy + ν w_xx) strips along y.
    double momentX(double x, double y) const;
    double momentY(double x, double y) const;
    // Kirchhoff edge reactions (shear force plus twisting-moment gradient) on a line x = const
    // resp. y = const: Vx = −(w_xxx + (2 − ν) w_xyy), Vy = −(w_yyy + (2 − ν) w_xxy).
    double reactionX(double x, double y) const;
    double reactionY(double x, double y) const;

private:
    PlateProblem problem_;
    EdgeFunctions across_;
    EdgeFunctions along_;
    std::vector<double> coefficients_; // index i·along + j
    std::optional<CornerEnrichment> corner_;
    double cornerCoefficient_;
};

} // namespace flange::plate
