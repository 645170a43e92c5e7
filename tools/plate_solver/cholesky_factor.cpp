#include "plate_solver/cholesky_factor.h"

#include <cmath>
#include <stdexcept>

namespace flange::plate {

namespace {

// Dot product of the first n entries of two rows, with four partial sums so the compiler can
// keep several multiplications in flight.
double dot(const double* a, const double* b, int n)
{
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    int k = 0;
    for (; k + 3 < n; k += 4) {
        s0 += a[k] * b[k];
        s1 += a[k + 1] * b[k + 1];
        s2 += a[k + 2] * b[k + 2];
        s3 += a[k + 3] * b[k + 3];
    }
    for (; k < n; ++k)
        s0 += a[k] * b[k];
    return (s0 + s1) + (s2 + s3);
}

} // namespace

CholeskyFactor::CholeskyFactor(DenseMatrix matrix) : lower_(std::move(matrix))
{
    const int n = lower_.rows();
    for (int i = 0; i < n; ++i) {
        double* li = lower_.row(i);
        for (int j = 0; j < i; ++j) {
            const double* lj = lower_.row(j);
            li[j] = (li[j] - dot(li, lj, j)) / lj[j];
        }
        const double pivot = li[i] - dot(li, li, i);
        if (!(pivot > 0.0))
            throw std::runtime_error("stiffness matrix is not positive definite");
        li[i] = std::sqrt(pivot);
        for (int j = i + 1; j < n; ++j)
            li[j] = 0.0;
    }
}

std::vector<double> CholeskyFactor::solve(std::vector<double> rhs) const
{
    const int n = lower_.rows();
    for (int i = 0; i < n; ++i)
        rhs[i] = (rhs[i] - dot(lower_.row(i), rhs.data(), i)) / lower_(i, i);
    for (int i = n - 1; i >= 0; --i) {
        for (int k = i + 1; k < n; ++k)
            rhs[i] -= lower_(k, i) * rhs[k];
        rhs[i] /= lower_(i, i);
    }
    return rhs;
}

} // namespace flange::plate
