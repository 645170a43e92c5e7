// The coefficient table behind the α0 chart, and the solver that computes it, against an
// independent reference table (finite elements and a second series solution). Midpoint values
// must agree within 0.5 %; the values at the ends of the free edge, where the moment has a cusp
// and every method converges slowly, within 2 %.

#include "plate_solver/coefficient_table.h"
#include "plate_solver/plate_coefficients.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

using namespace flange::plate;

namespace {

struct Tolerance {
    const char* column;
    double relative;
};

constexpr Tolerance tolerances[] = {
    {"M_free_end", 0.02},      {"M_side_max", 0.02},  {"M_free_mid", 0.005},
    {"M_opposite_mid", 0.005}, {"M_side_mid", 0.005}, {"V_opposite_mid", 0.005},
    {"V_side_mid", 0.005},     {"w_free_mid", 0.005},
};

CoefficientTable load(const std::string& path)
{
    auto table = CoefficientTable::readFile(path);
    if (!table)
        throw std::runtime_error("cannot read the coefficient table " + path);
    return *table;
}

TEST(CommittedTable, CoversTheChartRangeWithEveryColumn)
{
    const CoefficientTable table = load(COMMITTED_TABLE);
    ASSERT_GE(table.rowCount(), 71);
    EXPECT_DOUBLE_EQ(table.aspect(0), 0.5);
    EXPECT_DOUBLE_EQ(table.aspect(table.rowCount() - 1), 4.0);
    for (int r = 1; r < table.rowCount(); ++r)
        EXPECT_LE(table.aspect(r) - table.aspect(r - 1), 0.05 + 1e-9);
    for (const auto& tolerance : tolerances)
        EXPECT_TRUE(table.column(tolerance.column)) << tolerance.column;
}

TEST(CommittedTable, AgreesWithTheReference)
{
    const CoefficientTable reference = load(REFERENCE_TABLE);
    const CoefficientTable table = load(COMMITTED_TABLE);
    ASSERT_GT(reference.rowCount(), 10);
    for (const auto& tolerance : tolerances) {
        const int refColumn = *reference.column(tolerance.column);
        const int column = *table.column(tolerance.column);
        for (int r = 0; r < reference.rowCount(); ++r) {
            const double lambda = reference.aspect(r);
            const double expected = reference.value(r, refColumn);
            const auto actual = table.valueAt(column, lambda);
            ASSERT_TRUE(actual) << lambda;
            EXPECT_NEAR(*actual, expected, tolerance.relative * std::abs(expected))
                << tolerance.column << " at λ = " << lambda;
        }
    }
}

// The chart is read from λ to α0, so its curve must rise throughout, and every coefficient must
// run smoothly: each row within 0.1 % of the cubic through the two rows on either side (the
// series leaves a few 10⁻⁴ of noise in the reactions; a row solved wrongly would stand out).
TEST(CommittedTable, FreeEdgeEndMomentRisesAndEveryColumnIsSmooth)
{
    const CoefficientTable table = load(COMMITTED_TABLE);
    const int end = *table.column("M_free_end");
    for (int r = 1; r < table.rowCount(); ++r)
        EXPECT_GT(table.value(r, end), table.value(r - 1, end)) << table.aspect(r);
    for (int c = 1; c < int(table.columns().size()); ++c) {
        if (table.columns()[c] == "M_free_end_uncertainty")
            continue;
        for (int r = 2; r + 2 < table.rowCount(); ++r) {
            CoefficientTable neighbours({"lambda", "value"});
            for (int n : {r - 2, r - 1, r + 1, r + 2})
                neighbours.addRow({table.aspect(n), table.value(n, c)});
            const double expected = *neighbours.valueAt(1, table.aspect(r));
            EXPECT_NEAR(table.value(r, c), expected, 1e-3 * std::abs(expected))
                << table.columns()[c] << " at λ = " << table.aspect(r);
        }
    }
}

// The readings an engineer takes off the chart for the worked example and its neighbour.
TEST(CommittedTable, GivesTheWorkedReadings)
{
    const CoefficientTable table = load(COMMITTED_TABLE);
    const int column = *table.column("M_free_end");
    EXPECT_NEAR(*table.valueAt(column, 1.17), 0.129, 0.0005);
    EXPECT_NEAR(*table.valueAt(column, 1.25), 0.150, 0.0005);
}

// A coarse run of the solver itself, so that a change to it cannot hide behind the committed
// table.
TEST(PlateSolver, CoarseRunAgreesWithTheReference)
{
    const CoefficientTable reference = load(REFERENCE_TABLE);
    for (double lambda : {0.5, 1.17, 2.5, 4.0}) {
        const PlateCoefficients c = solveCoefficients(lambda, 14);
        for (const auto& tolerance : tolerances) {
            const auto it = std::find_if(
                coefficientColumns.begin(), coefficientColumns.end(),
                [&](const CoefficientColumn& column) { return column.name == tolerance.column; });
            ASSERT_NE(it, coefficientColumns.end());
            const double expected = *reference.valueAt(*reference.column(tolerance.column), lambda);
            EXPECT_NEAR(c.*(it->field), expected, tolerance.relative * std::abs(expected))
                << tolerance.column << " at λ = " << lambda;
        }
    }
}

} // namespace
