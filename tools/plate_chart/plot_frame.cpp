#include "plate_chart/plot_frame.h"

#include "plate_chart/formula_text.h"

#include <cmath>
#include <utility>

namespace flange::chart {

PlotFrame::PlotFrame(RatioAxis axis, double left, double right, double bottom, double top,
                     double topValue)
    : axis_(std::move(axis)), left_(left), right_(right), bottom_(bottom), top_(top),
      topValue_(topValue)
{
}

double PlotFrame::x(double lambda) const
{
    const double u = axis_.position(lambda);
    return left_ + (u - axis_.leftEnd()) / (axis_.rightEnd() - axis_.leftEnd()) * (right_ - left_);
}

double PlotFrame::y(double value) const { return bottom_ - value / topValue_ * (bottom_ - top_); }

void PlotFrame::drawGrid(SvgDocument& doc, double minorStep, double majorStep) const
{
    doc.rect(left_, top_, right_ - left_, bottom_ - top_, "#FFFFFF");
    const Stroke minor{6.0, "#D0D0D0", ""}, major{8.0, "#909090", ""};
    for (const auto& mark : axis_.marks()) {
        const double px = x(axis_.lambdaAt(mark.position));
        doc.line({px, top_}, {px, bottom_}, mark.major ? major : minor);
    }
    const int minorCount = int(std::floor(topValue_ / minorStep + 1e-9));
    const int perMajor = int(std::lround(majorStep / minorStep));
    for (int i = 1; i <= minorCount; ++i)
        doc.line({left_, y(i * minorStep)}, {right_, y(i * minorStep)},
                 i % perMajor ? minor : major);
    doc.line({x(1.0), top_}, {x(1.0), bottom_}, Stroke{15.0, "#000000", ""});
    const Stroke frame{15.0, "#000000", ""};
    doc.polyline(
        {{left_, top_}, {right_, top_}, {right_, bottom_}, {left_, bottom_}, {left_, top_}}, frame);
}

void PlotFrame::drawValueMarks(SvgDocument& doc, const std::vector<ValueMark>& marks,
                               const Font& font, bool rightSide) const
{
    const Stroke tick{12.0, "#000000", ""};
    const double edge = rightSide ? right_ : left_, out = rightSide ? 1.0 : -1.0;
    for (const auto& mark : marks) {
        const double py = y(mark.value);
        doc.line({edge, py}, {edge + out * 50, py}, tick);
        doc.text({edge + out * 75, py + 0.35 * font.size}, mark.label, font,
                 rightSide ? Anchor::Start : Anchor::End);
    }
}

void PlotFrame::drawRatioMarks(SvgDocument& doc, const Font& font, double labelDrop,
                               double namesDrop) const
{
    const Stroke tick{12.0, "#000000", ""};
    for (const auto& mark : axis_.marks()) {
        if (!mark.major)
            continue;
        const double px = x(axis_.lambdaAt(mark.position));
        doc.line({px, bottom_}, {px, bottom_ + 50}, tick);
        doc.text({px, bottom_ + labelDrop}, mark.label, font, Anchor::Middle);
    }
    using Level = FormulaText::Level;
    const auto lxly = FormulaText()
                          .italic("L")
                          .italic("x", Level::Sub)
                          .upright("/")
                          .italic("L")
                          .italic("y", Level::Sub);
    const auto lylx = FormulaText()
                          .italic("L")
                          .italic("y", Level::Sub)
                          .upright("/")
                          .italic("L")
                          .italic("x", Level::Sub);
    lxly.draw(doc, {(left_ + x(1.0)) / 2, bottom_ + namesDrop}, 190, Anchor::Middle);
    lylx.draw(doc, {(x(1.0) + right_) / 2, bottom_ + namesDrop}, 190, Anchor::Middle);
}

} // namespace flange::chart
