// Reading α0 off a sampled curve: the CSV columns, the interpolation between samples, the place
// of a reading on the two-halved ratio axis and the text shown beside the mark.

#include "ui/reference/chart_axes.h"
#include "ui/reference/chart_reading.h"
#include "ui/reference/sampled_curve.h"

#include <gtest/gtest.h>

namespace {

using flange::ChartAxes;
using flange::ChartReading;
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

TEST(ChartAxes, PlacesRatiosOnTheirHalfOfTheAxis)
{
    const ChartAxes axes{100, 2.0, 300, 900, 4.0, 1000, 0, 0.5};
    EXPECT_EQ(axes.pointAt(1.0, 0.0), QPointF(300, 1000));
    EXPECT_EQ(axes.pointAt(0.5, 0.5), QPointF(100, 0));        // Lx/Ly = 2.0
    EXPECT_EQ(axes.pointAt(1 / 1.5, 0.25), QPointF(200, 500)); // Lx/Ly = 1.5
    EXPECT_EQ(axes.pointAt(2.5, 0.1), QPointF(600, 800));
    EXPECT_EQ(axes.pointAt(4.0, 0.1), QPointF(900, 800));
    EXPECT_FALSE(axes.pointAt(0.49, 0.1).has_value());
    EXPECT_FALSE(axes.pointAt(4.01, 0.1).has_value());
    EXPECT_FALSE(axes.pointAt(2.0, 0.51).has_value());
    EXPECT_FALSE(axes.pointAt(0.0, 0.1).has_value());
}

TEST(ChartReading, ShowsTheRatioAsTypedAndTheValueToThreeDecimals)
{
    const SampledCurve curve({{1.0, 0.1}, {1.5, 0.2}});
    const auto reading = ChartReading::readingOf(QStringLiteral(" 1.25 "), curve);
    ASSERT_TRUE(reading.has_value());
    EXPECT_DOUBLE_EQ(reading->lambda, 1.25);
    EXPECT_DOUBLE_EQ(reading->alpha0, 0.15);
    EXPECT_EQ(reading->text, QStringLiteral("λ＝1.25 → α0≈0.150"));
}

TEST(ChartReading, NoReadingWithoutANumberOnTheCurve)
{
    const SampledCurve curve({{1.0, 0.1}, {1.5, 0.2}});
    for (const char* text : {"", "   ", "abc", "1.25x", "1.6", "0.9"})
        EXPECT_FALSE(ChartReading::readingOf(QString::fromUtf8(text), curve).has_value()) << text;
}

} // namespace
