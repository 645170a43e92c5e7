#pragma once

#include "plate_solver/dense_matrix.h"

#include <vector>

namespace flange::plate {

// Cholesky factor L·Lᵀ of a symmetric positive definite matrix (only its lower triangle is read).
// Throws std::runtime_error when the matrix is not positive definite, which for a stiffness
// matrix means the deflection shapes are not independent or do not hold the plate.
class CholeskyFactor {
public:
    explicit CholeskyFactor(DenseMatrix matrix);

    // The solution x of A·x = rhs.
    std::vector<double> solve(std::vector<double> rhs) const;

private:
    DenseMatrix lower_;
};

} // namespace flange::plate
