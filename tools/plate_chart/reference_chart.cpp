#include "plate_chart/reference_chart.h"

#include "plate_chart/coefficient_curve.h"
#include "plate_chart/formula_text.h"
#include "plate_chart/panel_key.h"
#include "plate_chart/plot_frame.h"

#include <vector>

namespace flange::chart {

namespace {

constexpr double shearScale = 0.25; // the right axis: 2.0 stands where the left axis has 0.5
const Font tickFont{"DejaVu Sans", 170.0, false};
const Font japanese{"IPAGothic", 170.0, false};

struct ChartCurve {
    const char* column;
    bool shear;
    FormulaText label;
    const char* description; // for the legend
    double labelLambda;      // where the label stands along the curve
    double dx, dy;           // label baseline offset from the curve point, twips
    Anchor anchor;
};

Stroke curveStroke(const ChartCurve& c, bool heavy)
{
    return {heavy ? 32.0 : 16.0, "#000000", c.shear ? "110,60" : ""};
}

std::vector<ChartCurve> curves()
{
    FormulaText alpha0 = FormulaText::symbol("M", "y", "0");
    alpha0.upright(" = ").italic("α").upright("0", FormulaText::Level::Sub);
    return {
        {"M_free_end", false, alpha0, "自由辺の両端（点0）", 2.35, -90, -110, Anchor::End},
        {"M_free_mid", false, FormulaText::symbol("M", "y", "1"), "自由辺の中央（点1）", 2.9, 0,
         230, Anchor::Middle},
        {"M_opposite_mid", false, FormulaText::symbol("M", "x", "2"), "対辺の中央（点2）", 3.45,
         -70, -90, Anchor::End},
        {"M_side_mid", false, FormulaText::symbol("M", "y", "3"), "側辺の中央（点3）", 3.6, 0, -110,
         Anchor::Middle},
        {"V_opposite_mid", true, FormulaText::symbol("V", "x", "2"), "点2の反力", 3.45, 0, -110,
         Anchor::Middle},
        {"V_side_mid", true, FormulaText::symbol("V", "y", "3"), "点3の反力", 3.85, 0, 230,
         Anchor::Middle},
    };
}

void drawAxes(SvgDocument& doc, const PlotFrame& frame)
{
    frame.drawValueMarks(doc,
                         {{0.0, "0"},
                          {0.1, "0.1"},
                          {0.2, "0.2"},
                          {0.3, "0.3"},
                          {0.4, "0.4"},
                          {0.5, "0.5"},
                          {0.6, "0.6"},
                          {0.7, "0.7"}},
                         tickFont);
    frame.drawValueMarks(doc, {{0.0, "0"}, {shearScale, "1.0"}, {2 * shearScale, "2.0"}}, tickFont,
                         true);
    frame.drawRatioMarks(doc, tickFont, 240, 500);
    FormulaText().italic("M").draw(doc, {frame.left() - 300, frame.top() - 110}, 210,
                                   Anchor::Middle);
    FormulaText().italic("V").draw(doc, {frame.right() + 220, frame.top() - 110}, 210,
                                   Anchor::Middle);
}

void drawLegend(SvgDocument& doc, const std::vector<ChartCurve>& chartCurves, double top)
{
    const double sampleLeft = 2650, sampleRight = 3000, symbolX = 3100, textX = 4050;
    double y = top;
    for (std::size_t i = 0; i < chartCurves.size(); ++i) {
        const auto& c = chartCurves[i];
        doc.line({sampleLeft, y - 55}, {sampleRight, y - 55}, curveStroke(c, i == 0));
        c.label.draw(doc, {symbolX, y}, 180);
        doc.text({textX, y}, c.description, japanese);
        y += 250;
    }
    y += 80;
    FormulaText units;
    units.italic("M")
        .upright(" : ×")
        .italic("w")
        .italic("L")
        .italic("x", FormulaText::Level::Sub)
        .upright("2", FormulaText::Level::Super)
        .upright("      ")
        .italic("V")
        .upright(" : ×")
        .italic("w")
        .italic("L")
        .italic("x", FormulaText::Level::Sub);
    units.draw(doc, {sampleLeft, y}, 180);
}

} // namespace

std::string ReferenceChart::svg() const
{
    SvgDocument doc(6030, 8835, "等分布荷重時三辺固定一辺自由スラブの応力図 （ν＝0）");
    doc.text({3015, 330}, "等分布荷重時三辺固定一辺自由スラブの応力図 （ν＝0）",
             Font{"IPAGothic", 200.0, false}, Anchor::Middle);

    const PlotFrame frame(RatioAxis(2.0, 4.0), 720, 5520, 5400, 700, 0.7);
    frame.drawGrid(doc, 0.02, 0.1);
    drawAxes(doc, frame);

    const auto chartCurves = curves();
    for (std::size_t i = 0; i < chartCurves.size(); ++i) {
        const auto& c = chartCurves[i];
        const CoefficientCurve curve(table_, c.column, c.shear ? shearScale : 1.0);
        doc.polyline(curve.points(frame), curveStroke(c, i == 0));
        const Point at = frame.at(c.labelLambda, curve.valueAt(c.labelLambda));
        c.label.draw(doc, {at.x + c.dx, at.y + c.dy}, 180, c.anchor);
    }

    PanelKey().draw(doc, {720, 6750}, 1450, 1050);
    drawLegend(doc, chartCurves, 6700);
    return doc.str();
}

} // namespace flange::chart
