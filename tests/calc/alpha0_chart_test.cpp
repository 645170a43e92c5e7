// Reading α0 off a sampled curve: the CSV columns, the interpolation between samples and the
// curve stored with the program.

#include "calc/alpha0_chart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using flange::SampledCurve;

constexpr std::string_view table = "# moment coefficients over Ly/Lx\r\n"
                                   "\r\n"
                                   "lambda, M_free_mid ,M_free_end\r\n"
                                   "2,0.09,0.36\r\n"
                                   "1,0.04,0.09\r\n"
                                   "1.5,0.08,not a number\r\n"
                                   "0.5,0.01\r\n"
                                   "1.5,0.076,0.22\r\n";

TEST(SampledCurve, ReadsTheNamedColumnsSkippingRowsWithoutTwoNumbers)
{
    const auto curve = SampledCurve::fromCsv(table, "lambda", "M_free_end");
    ASSERT_EQ(curve.points().size(), 3u);
    EXPECT_DOUBLE_EQ(curve.points()[0].x, 1.0);
    EXPECT_DOUBLE_EQ(curve.points()[1].y, 0.22);
    EXPECT_DOUBLE_EQ(curve.points()[2].y, 0.36);
    const auto middle = SampledCurve::fromCsv(table, "lambda", "M_free_mid");
    EXPECT_EQ(middle.points().size(), 4u);
}

TEST(SampledCurve, MissingColumnGivesAnEmptyCurve)
{
    EXPECT_TRUE(SampledCurve::fromCsv(table, "lambda", "alpha").empty());
    EXPECT_TRUE(SampledCurve::fromCsv("", "lambda", "M_free_end").empty());
    EXPECT_FALSE(SampledCurve().at(1.0).has_value());
}

TEST(SampledCurve, InterpolatesLinearlyInsideTheSampledRangeOnly)
{
    const SampledCurve curve({{2.0, 0.4}, {1.0, 0.1}, {1.5, 0.2}});
    EXPECT_DOUBLE_EQ(*curve.at(1.0), 0.1);
    EXPECT_DOUBLE_EQ(*curve.at(1.5), 0.2);
    EXPECT_DOUBLE_EQ(*curve.at(1.25), 0.15);
    EXPECT_DOUBLE_EQ(*curve.at(1.75), 0.3);
    EXPECT_DOUBLE_EQ(*curve.at(2.0), 0.4);
    EXPECT_FALSE(curve.at(0.99).has_value());
    EXPECT_FALSE(curve.at(2.01).has_value());
    EXPECT_FALSE(curve.at(std::nan("")).has_value());
}

TEST(Alpha0Chart, StoredCurveGivesTheReferenceValues)
{
    const SampledCurve& curve = flange::storedAlpha0Curve();
    EXPECT_NEAR(*curve.at(1.25), 0.150, 0.0005);
    EXPECT_NEAR(*curve.at(1.17), 0.129, 0.0005);
    // The hints take the chart's range for the curve's: they must be the same.
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve.points().front().x, flange::chartRatioMin);
    EXPECT_EQ(curve.points().back().x, flange::chartRatioMax);
}

} // namespace
