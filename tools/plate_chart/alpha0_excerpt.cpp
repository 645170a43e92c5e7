#include "plate_chart/alpha0_excerpt.h"

#include "plate_chart/coefficient_curve.h"
#include "plate_chart/formula_text.h"
#include "plate_chart/plot_frame.h"

namespace flange::chart {

namespace {

// Where the pane's labels stand, in picture coordinates.
constexpr Point valueLabel{1380, 1020}, ratioLabel{4590, 4200};
constexpr double labelWidth = 480, labelHeight = 240;

const Font tickFont{"DejaVu Sans", 190.0, false};

} // namespace

std::string Alpha0Excerpt::svg() const
{
    SvgDocument doc(4950, 4755, "α0 の読み取り（参考図－２より）");
    const PlotFrame frame(RatioAxis(2.0, 3.0), 1950, 4750, 3900, 105, 0.205);
    frame.drawGrid(doc, 0.02, 0.1);

    frame.drawValueMarks(doc, {{0.0, "0"}, {0.1, "0.1"}, {0.2, "0.2"}}, tickFont);
    frame.drawRatioMarks(doc, tickFont, 235, 700);
    FormulaText()
        .italic("α")
        .upright("0", FormulaText::Level::Sub)
        .draw(doc, {frame.left() - 420, 560}, 260, Anchor::Middle);

    const CoefficientCurve alpha0(table_, "M_free_end");
    doc.polyline(alpha0.points(frame), Stroke{32.0, "#000000", ""});

    // The reading: from the curve to both axes, arrows at the axes.
    const Point on = frame.at(readingRatio, alpha0.valueAt(readingRatio));
    const Stroke reading{16.0, "#000000", "90,50"};
    const Point onValueAxis{frame.left(), on.y}, onRatioAxis{on.x, frame.bottom()};
    doc.line(on, {onValueAxis.x + 100, on.y}, reading);
    doc.line(on, {on.x, onRatioAxis.y - 100}, reading);
    doc.arrowHead(onValueAxis, -1, 0, 110, 40);
    doc.arrowHead(onRatioAxis, 0, 1, 110, 40);
    doc.circle(on, 45, "#000000");

    // Leaders to the pane's labels: from the value axis up to the side of "0.12", and from the
    // ratio axis down between the ratio marks, then along to the left of "1.17".
    const Stroke leader{10.0, "#000000", ""};
    const Point valueEnd{valueLabel.x + labelWidth + 10, valueLabel.y + labelHeight / 2};
    doc.line({onValueAxis.x - 20, onValueAxis.y - 20}, valueEnd, leader);
    const double ratioRow = ratioLabel.y + labelHeight / 2;
    const double gap = (frame.x(1.0) + frame.x(1.5)) / 2; // between the marks 1.0 and 1.5
    doc.polyline({{onRatioAxis.x, onRatioAxis.y + 60},
                  {gap, ratioRow - 120},
                  {gap + 60, ratioRow},
                  {ratioLabel.x - 30, ratioRow}},
                 leader);
    return doc.str();
}

} // namespace flange::chart
