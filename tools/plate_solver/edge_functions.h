#pragma once

#include "plate_solver/dense_matrix.h"

#include <array>
#include <vector>

namespace flange::plate {

// The deflection shapes of one direction of the panel: twice-integrated Legendre polynomials on
// [0, length]. Shape k has P_k as its second derivative (in the unit coordinate t = 2x/length − 1)
// and zero value and slope at x = 0; for k ≥ 2 its value and slope also vanish at x = length.
// Shapes 0 and 1 are the two that move the end x = length, so a family with them leaves that end
// free, and a family without them clamps it. Because the second derivatives are Legendre
// polynomials, the bending integrals of a family are diagonal and stay well conditioned at high
// degree.
class EdgeFunctions {
public:
    // Clamped at 0, free at length: shapes 0 .. count − 1.
    static EdgeFunctions clampedFree(double length, int count);
    // Clamped at both ends: shapes 2 .. count + 1.
    static EdgeFunctions clampedClamped(double length, int count);
    // Clamped at both ends and symmetric about the middle: shapes 2, 4, .. 2·count.
    static EdgeFunctions clampedClampedSymmetric(double length, int count);

    int count() const { return int(indices_.size()); }
    double length() const { return length_; }
    int highestDegree() const { return indices_.back() + 2; }

    // Derivatives of order 0 to 3 of every shape at x: result[order][shape].
    std::array<std::vector<double>, 4> at(double x) const;

    // Integrals over [0, length] of f_i^(p) · f_j^(q), as a count × count matrix.
    DenseMatrix gram(int p, int q) const;
    // The integral of every shape over [0, length].
    std::vector<double> integrals() const;

private:
    EdgeFunctions(double length, std::vector<int> indices);

    double length_;
    std::vector<int> indices_;
};

} // namespace flange::plate
