// The building blocks of the plate solver and the solver itself on panels with known answers.

#include "plate_solver/cholesky_factor.h"
#include "plate_solver/convergence_study.h"
#include "plate_solver/corner_enrichment.h"
#include "plate_solver/corner_mode.h"
#include "plate_solver/edge_functions.h"
#include "plate_solver/gauss_rule.h"
#include "plate_solver/plate_ritz_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

using namespace flange::plate;

namespace {

TEST(GaussRule, IntegratesPolynomialsUpToDegreeTwoNMinusOneExactly)
{
    for (int n : {1, 2, 5, 12, 40}) {
        std::vector<double> xs, ws;
        GaussRule(n).appendMapped(0.0, 2.0, xs, ws);
        for (int k = 0; k <= 2 * n - 1; ++k) {
            double sum = 0.0;
            for (std::size_t i = 0; i < xs.size(); ++i)
                sum += ws[i] * std::pow(xs[i], k);
            EXPECT_NEAR(sum, std::pow(2.0, k + 1) / (k + 1), 1e-12 * std::pow(2.0, k + 1))
                << n << " points, degree " << k;
        }
    }
}

TEST(CholeskyFactor, SolvesASymmetricPositiveDefiniteSystem)
{
    // A = B·Bᵀ + I with x = (1, −2, 3, 0.5) known.
    const double b[4][4] = {{2, 1, 0, 0}, {1, 3, 1, 0}, {0, 1, 4, 1}, {1, 0, 1, 5}};
    DenseMatrix a(4, 4);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            for (int k = 0; k < 4; ++k)
                a(i, j) += b[i][k] * b[j][k];
            a(i, j) += i == j ? 1.0 : 0.0;
        }
    const std::vector<double> x{1, -2, 3, 0.5};
    std::vector<double> rhs(4, 0.0);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            rhs[i] += a(i, j) * x[j];
    const auto solved = CholeskyFactor(a).solve(rhs);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(solved[i], x[i], 1e-12);
}

TEST(CholeskyFactor, RefusesAMatrixThatIsNotPositiveDefinite)
{
    DenseMatrix a(2, 2);
    a(0, 0) = 1, a(0, 1) = a(1, 0) = 2, a(1, 1) = 1; // eigenvalues 3 and −1
    EXPECT_THROW(CholeskyFactor{a}, std::runtime_error);
}

TEST(EdgeFunctions, IntegralsOfTheShapes)
{
    // On t = 2x/L − 1: ψ0 = (t + 1)²/2, ψ1 = (t + 1)²(t − 2)/6, ψ2 = (t² − 1)²/8 and
    // ψ3 = t(t² − 1)²/8, whose integrals over t are 4/3, −2/3, 2/15 and 0.
    const double length = 3.0;
    const auto free = EdgeFunctions::clampedFree(length, 4).integrals();
    EXPECT_NEAR(free[0], length / 2 * 4.0 / 3, 1e-12);
    EXPECT_NEAR(free[1], length / 2 * -2.0 / 3, 1e-12);
    EXPECT_NEAR(free[2], length / 2 * 2.0 / 15, 1e-12);
    EXPECT_NEAR(free[3], 0.0, 1e-12);
}

TEST(EdgeFunctions, ClampedEndsHoldStillAndFreeEndMoves)
{
    const double length = 2.5;
    const auto free = EdgeFunctions::clampedFree(length, 10);
    const auto clamped = EdgeFunctions::clampedClamped(length, 10);
    for (const auto* family : {&free, &clamped}) {
        const auto at0 = family->at(0.0);
        for (int k = 0; k < family->count(); ++k) {
            EXPECT_NEAR(at0[0][k], 0.0, 1e-12);
            EXPECT_NEAR(at0[1][k], 0.0, 1e-12);
        }
    }
    const auto endClamped = clamped.at(length);
    for (int k = 0; k < clamped.count(); ++k) {
        EXPECT_NEAR(endClamped[0][k], 0.0, 1e-12);
        EXPECT_NEAR(endClamped[1][k], 0.0, 1e-12);
    }
    const auto endFree = free.at(length);
    EXPECT_GT(std::abs(endFree[0][0]) + std::abs(endFree[1][1]), 0.1);
}

TEST(EdgeFunctions, DerivativesAgreeWithDifferenceQuotients)
{
    const auto family = EdgeFunctions::clampedClampedSymmetric(3.0, 6);
    const double x = 0.83, h = 1e-5;
    const auto below = family.at(x - h), above = family.at(x + h), mid = family.at(x);
    for (int order = 1; order <= 3; ++order)
        for (int k = 0; k < family.count(); ++k) {
            const double quotient = (above[order - 1][k] - below[order - 1][k]) / (2 * h);
            EXPECT_NEAR(mid[order][k], quotient, 1e-6 * (1 + std::abs(quotient)))
                << "order " << order << ", shape " << k;
        }
}

TEST(EdgeFunctions, BendingIntegralsAreDiagonal)
{
    const double length = 1.7;
    const auto family = EdgeFunctions::clampedFree(length, 12);
    const DenseMatrix bending = family.gram(2, 2);
    const double scale = std::pow(2.0 / length, 3);
    for (int i = 0; i < family.count(); ++i)
        for (int j = 0; j < family.count(); ++j)
            EXPECT_NEAR(bending(i, j), i == j ? scale * 2.0 / (2 * i + 1) : 0.0, 1e-11);
}

TEST(CornerMode, ExponentForZeroPoissonRatioAndNoneWhereItIsComplex)
{
    const auto mode = CornerMode::find(0.0);
    ASSERT_TRUE(mode);
    EXPECT_NEAR(mode->exponent(), 2.352317, 1e-6);
    // At ν = 0.3 the leading exponent is complex (about 2.07 ± 0.44i): no real mode.
    EXPECT_FALSE(CornerMode::find(0.3));
}

TEST(CornerMode, MeetsTheClampedAndTheFreeEdgeConditions)
{
    const auto mode = *CornerMode::find(0.0);
    for (double r : {0.01, 0.3, 2.0}) {
        const auto clamped = mode.derivatives(r, 0.0);
        EXPECT_NEAR(clamped[0][0], 0.0, 1e-12);
        EXPECT_NEAR(clamped[0][1], 0.0, 1e-12);
        EXPECT_NEAR(clamped[0][2], std::pow(r, mode.exponent() - 2), 1e-9); // its scale
        const auto free = mode.derivatives(0.0, r);
        const double scale = std::pow(r, mode.exponent() - 3);
        EXPECT_NEAR(free[2][0], 0.0, 1e-9 * scale * r);                // moment, ν = 0
        EXPECT_NEAR(free[3][0] + 2.0 * free[1][2], 0.0, 1e-9 * scale); // edge reaction
        EXPECT_GT(std::abs(free[0][2]), 1e-3 * scale * r);             // not trivially zero
    }
}

TEST(CornerMode, DerivativeTableAgreesWithDifferenceQuotients)
{
    const auto mode = *CornerMode::find(0.0);
    const double a = 0.4, b = 0.7, h = 1e-5;
    const auto mid = mode.derivatives(a, b);
    const auto da = [&](int m, int n) {
        return (mode.derivatives(a + h, b)[m][n] - mode.derivatives(a - h, b)[m][n]) / (2 * h);
    };
    const auto db = [&](int m, int n) {
        return (mode.derivatives(a, b + h)[m][n] - mode.derivatives(a, b - h)[m][n]) / (2 * h);
    };
    for (int m = 0; m <= 2; ++m)
        for (int n = 0; m + n <= 2; ++n) {
            EXPECT_NEAR(mid[m + 1][n], da(m, n), 1e-6) << m << "," << n;
            EXPECT_NEAR(mid[m][n + 1], db(m, n), 1e-6) << m << "," << n;
        }
    // u = r^s F(θ) solves the unloaded plate equation: the Laplacian of the Laplacian vanishes.
    const auto laplacian = [&](double x, double y) {
        const auto d = mode.derivatives(x, y);
        return d[2][0] + d[0][2];
    };
    const double k = 1e-3;
    const double biharmonic = (laplacian(a + k, b) + laplacian(a - k, b) + laplacian(a, b + k)
                               + laplacian(a, b - k) - 4 * laplacian(a, b))
                              / (k * k);
    EXPECT_NEAR(biharmonic, 0.0, 1e-4);
}

TEST(CornerEnrichment, KeepsTheClampedEdgesFixed)
{
    const double aspect = 1.6;
    const CornerEnrichment shape(*CornerMode::find(0.0), aspect);
    for (double t : {0.1, 0.5, 0.9}) {
        for (const auto& d : {shape.derivatives(t, 0.0), shape.derivatives(t, aspect)}) {
            EXPECT_NEAR(d[0][0], 0.0, 1e-12); // side edges
            EXPECT_NEAR(d[0][1], 0.0, 1e-12);
        }
        const auto opposite = shape.derivatives(0.0, t * aspect);
        EXPECT_NEAR(opposite[0][0], 0.0, 1e-12);
        EXPECT_NEAR(opposite[1][0], 0.0, 1e-12);
    }
    // Symmetric about the middle of the free edge.
    const auto left = shape.derivatives(0.8, 0.3), right = shape.derivatives(0.8, aspect - 0.3);
    EXPECT_NEAR(left[2][0], right[2][0], 1e-12);
    EXPECT_NEAR(left[1][1], -right[1][1], 1e-12);
}

// A square plate clamped on all four edges, ν = 0.3: centre deflection 0.00126532·w·a⁴/D, edge
// moment at mid-side 0.05133·w·a², centre moment 0.02291·w·a² (accurate series values; the often
// quoted 0.0231 for the centre moment is a rounded older result).
TEST(PlateRitzSolver, ClampedSquareMatchesTheClassicalValues)
{
    const PlateProblem square{1.0, 0.3, false};
    const auto s = PlateRitzSolver(square, SeriesSize::forOrder(14, 1.0)).solve();
    EXPECT_NEAR(s.deflection(0.5, 0.5), 0.00126532, 2e-8);
    EXPECT_NEAR(-s.momentX(0.0, 0.5), 0.05133, 1e-4);
    EXPECT_NEAR(-s.momentY(0.5, 1.0), 0.05133, 1e-4);
    EXPECT_NEAR(s.momentX(0.5, 0.5), 0.02291, 2e-5);
    EXPECT_NEAR(s.momentY(0.5, 0.5), 0.02291, 2e-5);
    // The reactions carry the whole load: with four equal sides, one side's mean reaction is
    // w·a/4, and the mid-side value is larger than the mean.
    EXPECT_GT(std::abs(s.reactionX(0.0, 0.5)), 0.25);
}

// A panel of the chart's kind, solved once for the tests below.
class FreeEdgePanel : public ::testing::Test {
protected:
    static constexpr double aspect = 1.25;
    static const PlateSolution& solution()
    {
        static const PlateSolution s =
            PlateRitzSolver({aspect, 0.0, true}, SeriesSize::forOrder(14, aspect)).solve();
        return s;
    }
};

// On the free edge the moment across it and the edge reaction vanish; the series meets these
// conditions only through the energy minimum, so they test the assembly.
TEST_F(FreeEdgePanel, FreeEdgeCarriesNoMomentAndNoReaction)
{
    const auto& s = solution();
    for (double y : {0.1, 0.3, 0.625}) {
        EXPECT_NEAR(s.momentX(1.0, y), 0.0, 1e-4) << y;   // moments here are about 0.06
        EXPECT_NEAR(s.reactionX(1.0, y), 0.0, 2e-3) << y; // reactions elsewhere about 0.5
    }
    EXPECT_GT(s.momentY(1.0, aspect / 2), 0.05); // the free edge sags at its middle
    EXPECT_LT(s.momentY(1.0, 0.1), -0.05);       // and hogs near its ends
}

// The three clamped edges carry the whole load w·Lx·Ly. The reactions rise steeply towards the
// ends of the free edge, so the sum by the midpoint rule is only good to a few parts in 1000.
TEST_F(FreeEdgePanel, ClampedEdgesCarryTheWholeLoad)
{
    const auto& s = solution();
    double carried = 0.0;
    const int n = 1000;
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n;
        carried += s.reactionX(0.0, t * aspect) * aspect / n;
        carried += 2 * s.reactionY(t, 0.0) / n;
    }
    EXPECT_NEAR(carried, aspect, 0.005 * aspect);
}

TEST(ConvergenceStudy, ExtrapolatesAnAlgebraicApproach)
{
    const std::vector<int> orders{8, 12, 16, 20};
    std::vector<double> values;
    for (int p : orders)
        values.push_back(0.25 + 3.0 * std::pow(p, -2.5));
    const auto e = ConvergenceStudy::extrapolate(orders, values);
    EXPECT_TRUE(e.extrapolated);
    EXPECT_NEAR(e.value, 0.25, 1e-12);
    EXPECT_NEAR(e.error, 3.0 * std::pow(20, -2.5), 1e-12);
}

TEST(ConvergenceStudy, KeepsTheLastValueWhenChangesDoNotShrink)
{
    const std::vector<int> orders{8, 12, 16};
    const auto oscillating = ConvergenceStudy::extrapolate(orders, {1.0, 1.1, 1.05});
    EXPECT_FALSE(oscillating.extrapolated);
    EXPECT_DOUBLE_EQ(oscillating.value, 1.05);
    EXPECT_NEAR(oscillating.error, 0.05, 1e-12);
    const auto growing = ConvergenceStudy::extrapolate(orders, {1.0, 1.01, 1.03});
    EXPECT_FALSE(growing.extrapolated);
}

TEST(ConvergenceStudy, SettlesOnTheLatestOrdersThatStillConverge)
{
    // Converging until p = 20, then rounding noise.
    const std::vector<int> orders{8, 12, 16, 20, 24, 28};
    std::vector<double> values;
    for (int p : orders)
        values.push_back(0.25 + 3.0 * std::pow(p, -2.5));
    values[4] = values[3] + 1e-6;
    values[5] = values[3] - 2e-6;
    const auto e = ConvergenceStudy::settle(orders, values);
    EXPECT_TRUE(e.extrapolated);
    EXPECT_EQ(e.lastOrder, 20);
    EXPECT_NEAR(e.value, 0.25, 1e-12);
}

} // namespace
