#include "plate_solver/plate_ritz_solver.h"

#include "plate_solver/cholesky_factor.h"
#include "plate_solver/gauss_rule.h"

#include <algorithm>
#include <cmath>

namespace flange::plate {

namespace {

// Cell boundaries on [0, length] for integrands with a corner at 0: cells that halve towards 0
// (h·2^-levels, …, h/4, h/2 with h = min(length, 1)), then cells no longer than 1/2 up to length.
std::vector<double> gradedBreaks(double length, int levels)
{
    const double head = std::min(length, 1.0);
    std::vector<double> breaks{0.0};
    for (int k = levels; k >= 1; --k)
        breaks.push_back(head * std::ldexp(1.0, -k));
    const int tail = int(std::ceil((length - head / 2) / 0.5 - 1e-9));
    for (int k = 1; k <= tail; ++k)
        breaks.push_back(head / 2 + (length - head / 2) * k / tail);
    return breaks;
}

struct QuadratureLine {
    std::vector<double> nodes;
    std::vector<double> weights;
};

// Gauss rules on each cell: `points` on cells of length 1/16 and more; small cells, which hold
// the corner's neighbourhood where the polynomials barely vary and the integrand is small,
// get at most 12.
QuadratureLine compositeRule(const std::vector<double>& breaks, int points)
{
    const GaussRule full(points), small(std::min(points, 12));
    QuadratureLine line;
    for (std::size_t c = 0; c + 1 < breaks.size(); ++c) {
        const double lo = breaks[c], hi = breaks[c + 1];
        (hi - lo >= 1.0 / 16 ? full : small).appendMapped(lo, hi, line.nodes, line.weights);
    }
    return line;
}

// Adds to the stiffness matrix the row and column of the corner shape (the last unknown) and its
// load term. Both the corner shape and the along-shapes are symmetric about y = λ/2, so the
// integrals are taken over half the panel and doubled.
void addCornerShape(const CornerEnrichment& corner, const EdgeFunctions& across,
                    const EdgeFunctions& along, double nu, DenseMatrix& k, std::vector<double>& f)
{
    const double aspect = along.length();
    // Cells down to 2^-levels of the side: the cells left out hold a negligible part of the
    // integrals, and low orders need them less exactly than high ones.
    const int levels = std::min(24, 8 + 2 * across.count() / 3);
    const int pointsX = std::max(16, across.highestDegree() / 2 + 6);
    const int pointsY = std::max(16, along.highestDegree() / 2 + 6);
    QuadratureLine xs = compositeRule(gradedBreaks(1.0, levels), pointsX);
    for (auto& x : xs.nodes)
        x = 1.0 - x; // cells halve towards the free edge x = 1
    const QuadratureLine ys = compositeRule(gradedBreaks(aspect / 2, levels), pointsY);

    const int nx = across.count(), ny = along.count();
    std::vector<std::array<std::vector<double>, 4>> fy;
    for (double y : ys.nodes)
        fy.push_back(along.at(y));

    const int s = nx * ny;
    double kss = 0.0, fs = 0.0;
    std::vector<double> t1(ny), t2(ny), t3(ny), t4(ny), t5(ny);
    for (std::size_t q = 0; q < xs.nodes.size(); ++q) {
        std::fill(t1.begin(), t1.end(), 0.0);
        std::fill(t2.begin(), t2.end(), 0.0);
        std::fill(t3.begin(), t3.end(), 0.0);
        std::fill(t4.begin(), t4.end(), 0.0);
        std::fill(t5.begin(), t5.end(), 0.0);
        const double wq = 2.0 * xs.weights[q];
        for (std::size_t r = 0; r < ys.nodes.size(); ++r) {
            const auto d = corner.derivatives(xs.nodes[q], ys.nodes[r]);
            const double wxx = d[2][0], wyy = d[0][2], wxy = d[1][1];
            const double w = wq * ys.weights[r];
            kss += w * (wxx * wxx + wyy * wyy + 2 * nu * wxx * wyy + 2 * (1 - nu) * wxy * wxy);
            fs += w * d[0][0];
            const auto& y = fy[r];
            const double wr = ys.weights[r];
            for (int l = 0; l < ny; ++l) {
                t1[l] += wr * wxx * y[0][l];
                t2[l] += wr * wyy * y[2][l];
                t3[l] += wr * wxy * y[1][l];
                t4[l] += wr * wxx * y[2][l];
                t5[l] += wr * wyy * y[0][l];
            }
        }
        const auto x = across.at(xs.nodes[q]);
        for (int i = 0; i < nx; ++i)
            for (int l = 0; l < ny; ++l) {
                const double v = wq
                                 * (x[2][i] * (t1[l] + nu * t5[l]) + x[0][i] * (t2[l] + nu * t4[l])
                                    + 2 * (1 - nu) * x[1][i] * t3[l]);
                k(s, i * ny + l) += v;
                k(i * ny + l, s) += v;
            }
    }
    k(s, s) = kss;
    f[s] = fs;
}

} // namespace

PlateRitzSolver::PlateRitzSolver(PlateProblem problem, SeriesSize size)
    : problem_(problem), size_(size)
{
}

PlateSolution PlateRitzSolver::solve() const
{
    const double nu = problem_.poisson;
    EdgeFunctions across = problem_.freeEdge ? EdgeFunctions::clampedFree(1.0, size_.across)
                                             : EdgeFunctions::clampedClamped(1.0, size_.across);
    EdgeFunctions along = EdgeFunctions::clampedClampedSymmetric(problem_.aspect, size_.along);
    std::optional<CornerEnrichment> corner;
    if (problem_.freeEdge)
        if (auto mode = CornerMode::find(nu))
            corner.emplace(*mode, problem_.aspect);

    const DenseMatrix a0 = across.gram(0, 0), a1 = across.gram(1, 1), a2 = across.gram(2, 2),
                      a20 = across.gram(2, 0);
    const DenseMatrix b0 = along.gram(0, 0), b1 = along.gram(1, 1), b2 = along.gram(2, 2),
                      b20 = along.gram(2, 0);
    const std::vector<double> ix = across.integrals(), iy = along.integrals();
    const int nx = across.count(), ny = along.count();
    const int n = nx * ny + (corner ? 1 : 0);

    DenseMatrix k(n, n);
    std::vector<double> f(n, 0.0);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) {
            const int row = i * ny + j;
            f[row] = ix[i] * iy[j];
            for (int p = 0; p < nx; ++p)
                for (int q = 0; q < ny; ++q)
                    k(row, p * ny + q) = a2(i, p) * b0(j, q) + a0(i, p) * b2(j, q)
                                         + nu * (a20(i, p) * b20(q, j) + a20(p, i) * b20(j, q))
                                         + 2 * (1 - nu) * a1(i, p) * b1(j, q);
        }
    if (corner)
        addCornerShape(*corner, across, along, nu, k, f);

    std::vector<double> c = CholeskyFactor(std::move(k)).solve(std::move(f));
    double cornerCoefficient = 0.0;
    if (corner) {
        cornerCoefficient = c.back();
        c.pop_back();
    }
    return PlateSolution(problem_, std::move(across), std::move(along), std::move(c),
                         std::move(corner), cornerCoefficient);
}

} // namespace flange::plate
