// The α0 chart pictures: their axis, that every curve stays on the chart, and that the committed
// pictures are exactly what the generator draws from the committed table.

#include "plate_chart/alpha0_excerpt.h"
#include "plate_chart/coefficient_curve.h"
#include "plate_chart/formula_text.h"
#include "plate_chart/plot_frame.h"
#include "plate_chart/ratio_axis.h"
#include "plate_chart/reference_chart.h"
#include "plate_chart/svg_document.h"
#include "plate_chart/unit_caption.h"
#include "plate_solver/coefficient_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace flange::chart;
using flange::plate::CoefficientTable;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

CoefficientTable committedTable()
{
    auto table = CoefficientTable::readFile(COMMITTED_TABLE);
    if (!table)
        throw std::runtime_error("cannot read " COMMITTED_TABLE);
    return *table;
}

TEST(RatioAxis, ReadsLxOverLyLeftAndLyOverLxRight)
{
    const RatioAxis axis(2.0, 4.0);
    struct Row {
        double lambda, position;
    };
    for (const Row& r :
         {Row{0.5, -2.0}, Row{2.0 / 3, -1.0}, Row{1.0, 0.0}, Row{1.5, 1.0}, Row{4.0, 6.0}}) {
        EXPECT_DOUBLE_EQ(axis.position(r.lambda), r.position) << r.lambda;
        EXPECT_NEAR(axis.lambdaAt(r.position), r.lambda, 1e-12) << r.lambda;
    }
    std::vector<std::string> labels;
    for (const auto& mark : axis.marks())
        if (mark.major)
            labels.push_back(mark.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"2.0", "1.5", "1.0", "1.5", "2.0", "2.5", "3.0",
                                                "3.5", "4.0"}));
    EXPECT_EQ(axis.marks().size(), 41u); // every 0.1 from Lx/Ly 2.0 to Ly/Lx 4.0
}

TEST(PlotFrame, MapsTheAxisEndsToTheFrameEdges)
{
    const PlotFrame frame(RatioAxis(2.0, 4.0), 720, 5520, 5400, 700, 0.7);
    EXPECT_DOUBLE_EQ(frame.x(0.5), 720);
    EXPECT_DOUBLE_EQ(frame.x(4.0), 5520);
    EXPECT_DOUBLE_EQ(frame.x(1.0), 720 + 2 * 600); // two of the eight 0.5 steps
    EXPECT_DOUBLE_EQ(frame.y(0.0), 5400);
    EXPECT_DOUBLE_EQ(frame.y(0.7), 700);
}

TEST(SvgDocument, EscapesTextAndWritesPlainNumbers)
{
    SvgDocument doc(100, 50, "a < b & c");
    doc.text({10.04, -0.02}, "M<0>", Font{}, Anchor::Middle);
    const std::string svg = doc.str();
    EXPECT_NE(svg.find("<title>a &lt; b &amp; c</title>"), std::string::npos);
    EXPECT_NE(svg.find(">M&lt;0&gt;</text>"), std::string::npos);
    EXPECT_NE(svg.find("x=\"10\" y=\"0\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("text-anchor=\"middle\""), std::string::npos);
}

// SVG drops the spaces at the ends of a text element, so a run such as " = " must be drawn as
// "=" moved right by one space, or the formula's parts would run into each other.
TEST(FormulaText, TurnsSpacesAtTheEndsOfARunIntoOffsets)
{
    SvgDocument doc(1000, 300, "");
    FormulaText().italic("M").upright(" = ").italic("α").draw(doc, {0, 200}, 100);
    const std::string svg = doc.str();
    EXPECT_EQ(svg.find("> = <"), std::string::npos);
    const double equalsAt = 100 * (1.024 + 0.318); // after M and one space
    const double alphaAt = 100 * (1.024 + 0.318 + 0.838 + 0.318);
    EXPECT_NE(svg.find("x=\"" + std::to_string(int(equalsAt)) + "."), std::string::npos) << svg;
    EXPECT_NE(svg.find("x=\"" + std::to_string(int(alphaAt)) + "."), std::string::npos) << svg;
}

TEST(CoefficientCurve, EveryCurveOfTheChartStaysInsideItsFrame)
{
    const CoefficientTable table = committedTable();
    const PlotFrame frame(RatioAxis(2.0, 4.0), 720, 5520, 5400, 700, 0.7);
    for (const char* column : {"M_free_end", "M_free_mid", "M_opposite_mid", "M_side_mid"}) {
        const auto points = CoefficientCurve(table, column).points(frame);
        EXPECT_NEAR(points.back().x, frame.right(), 1e-6) << column << " ends before λ = 4";
        for (const auto& p : points)
            EXPECT_TRUE(p.y >= frame.top() && p.y <= frame.bottom()) << column;
    }
    for (const char* column : {"V_opposite_mid", "V_side_mid"})
        for (const auto& p : CoefficientCurve(table, column, 0.25).points(frame))
            EXPECT_TRUE(p.y >= frame.top() && p.y <= frame.bottom()) << column;
}

TEST(CoefficientCurve, IsCutWhereItLeavesTheTop)
{
    const CoefficientTable table = committedTable();
    const PlotFrame frame(RatioAxis(2.0, 3.0), 1950, 4750, 3900, 105, 0.205);
    const auto points = CoefficientCurve(table, "M_free_end").points(frame);
    EXPECT_NEAR(points.back().y, frame.top(), 1e-6);
    EXPECT_LT(points.back().x, frame.x(1.5)); // α0 passes 0.205 before λ = 1.5
}

TEST(FormulaText, StacksASuperscriptOverTheSubscriptBeforeIt)
{
    const auto lx = FormulaText().italic("L").italic("x", FormulaText::Level::Sub);
    auto lx2 = lx;
    lx2.upright("2", FormulaText::Level::Super);
    // "2" is wider than "x", so it adds only the difference.
    EXPECT_NEAR(lx2.width(100) - lx.width(100), (0.636 - 0.564) * 0.68 * 100, 1e-9);
}

// The committed pictures must be what the generator draws from the committed table; after a new
// table, run plate_chart again (see tools/README.md).
TEST(ChartPictures, CommittedPicturesMatchTheGenerator)
{
    const CoefficientTable table = committedTable();
    const std::string dir = FIGURE_DIR;
    EXPECT_EQ(readFile(dir + "/Image19.svg"), ReferenceChart(table).svg());
    EXPECT_EQ(readFile(dir + "/Image35.svg"), UnitCaption::momentUnitSvg());
    EXPECT_EQ(readFile(dir + "/Image36.svg"), UnitCaption::shearUnitSvg());
    EXPECT_EQ(readFile(dir + "/Image37.svg"), Alpha0Excerpt(table).svg());
}

TEST(ChartPictures, EachHasItsSizeInTwips)
{
    const CoefficientTable table = committedTable();
    struct Row {
        std::string svg;
        const char* size;
    };
    for (const Row& r :
         {Row{ReferenceChart(table).svg(),
              "width=\"6030\" height=\"8835\" viewBox=\"0 0 6030 8835\""},
          Row{UnitCaption::momentUnitSvg(), "width=\"810\" height=\"330\" viewBox=\"0 0 810 330\""},
          Row{UnitCaption::shearUnitSvg(), "width=\"705\" height=\"300\" viewBox=\"0 0 705 300\""},
          Row{Alpha0Excerpt(table).svg(),
              "width=\"4950\" height=\"4755\" viewBox=\"0 0 4950 4755\""}})
        EXPECT_NE(r.svg.find(r.size), std::string::npos) << r.size;
}

} // namespace
