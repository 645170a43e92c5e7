// The place of a chart reading on the two-halved ratio axis and the text shown beside the mark.

#include "assets/chart_axes.h"
#include "calc/alpha0_chart.h"
#include "ui/reference/chart_reading.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using flange::ChartAxes;
using flange::ChartReading;
using flange::SampledCurve;

QString resourceText(const char* path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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

// The marks land on the curves only while the axes match the pictures: the excerpt's own reading
// dot at Ly/Lx = 1.17 and the white plot ground of reference figure 2.
TEST(ChartAxes, MatchTheChartPictures)
{
    const SampledCurve curve = flange::storedAlpha0Curve();
    ASSERT_FALSE(curve.empty());
    const auto dot = flange::alpha0ExcerptAxes().pointAt(1.17, *curve.at(1.17));
    ASSERT_TRUE(dot.has_value());
    const auto drawn =
        QRegularExpression(QStringLiteral(R"re(<circle cx="([\d.]+)" cy="([\d.]+)" r="45")re"))
            .match(resourceText(":/figures/Image37.svg"));
    ASSERT_TRUE(drawn.hasMatch());
    EXPECT_NEAR(dot->x(), drawn.captured(1).toDouble(), 2.0);
    EXPECT_NEAR(dot->y(), drawn.captured(2).toDouble(), 2.0);

    const ChartAxes axes = flange::referenceFigure2Axes();
    const QString ground =
        QStringLiteral(R"re(<rect x="%1" y="%2" width="%3" height="%4" fill="#FFFFFF")re")
            .arg(axes.xLeftEnd)
            .arg(axes.yTop)
            .arg(axes.xRightEnd - axes.xLeftEnd)
            .arg(axes.yZero - axes.yTop);
    EXPECT_TRUE(resourceText(":/figures/Image19.svg").contains(ground)) << ground.toStdString();
    EXPECT_EQ(axes.pointAt(1.0, 0.0)->x(), 720 + 4800 / 4);
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
