#include "plate_chart/panel_key.h"

#include "plate_chart/formula_text.h"

namespace flange::chart {

namespace {

const Stroke edge{20.0, "#000000", ""};
const Stroke hatch{10.0, "#000000", ""};
const Stroke arrow{12.0, "#000000", ""};
const Font pointFont{"DejaVu Sans", 160.0, false};

void arrowHead(SvgDocument& doc, Point tip, double dx, double dy)
{
    doc.arrowHead(tip, dx, dy, 90, 35);
}

} // namespace

void PanelKey::draw(SvgDocument& doc, Point c, double width, double depth) const
{
    const double left = c.x, right = c.x + width, top = c.y, bottom = c.y + depth;
    // Clamped edges with hatching outside; the free edge plain.
    doc.polyline({{left, bottom}, {left, top}, {right, top}, {right, bottom}}, edge);
    doc.line({left, bottom}, {right, bottom}, Stroke{12.0, "#000000", ""});
    for (double x = left; x <= right + 1; x += 100)
        doc.line({x, top}, {x - 80, top - 80}, hatch);
    for (double y = top + 100; y <= bottom + 1; y += 100) {
        doc.line({left, y}, {left - 80, y - 80}, hatch);
        doc.line({right, y}, {right + 80, y - 80}, hatch);
    }
    doc.text({(left + right) / 2, bottom + 230}, "自由辺", Font{"IPAGothic", 160.0, false},
             Anchor::Middle);

    // Dimensions: Ly along the free edge, Lx along a side.
    const auto ly = FormulaText().italic("L").italic("y", FormulaText::Level::Sub);
    const auto lx = FormulaText().italic("L").italic("x", FormulaText::Level::Sub);
    const double dimY = bottom + 380;
    doc.line({left, dimY}, {right, dimY}, arrow);
    arrowHead(doc, {left, dimY}, -1, 0);
    arrowHead(doc, {right, dimY}, 1, 0);
    ly.draw(doc, {(left + right) / 2, dimY + 220}, 180, Anchor::Middle);
    const double dimX = left - 230;
    doc.line({dimX, top}, {dimX, bottom}, arrow);
    arrowHead(doc, {dimX, top}, 0, -1);
    arrowHead(doc, {dimX, bottom}, 0, 1);
    lx.draw(doc, {dimX - 60, (top + bottom) / 2 + 60}, 180, Anchor::End);

    // The points of the curves.
    const double r = 38;
    const double midX = (left + right) / 2, midY = (top + bottom) / 2;
    for (Point p : {Point{left, bottom}, Point{right, bottom}, Point{midX, bottom},
                    Point{midX, top}, Point{left, midY}, Point{right, midY}})
        doc.circle(p, r, "#000000");
    doc.text({left + 70, bottom - 70}, "0", pointFont);
    doc.text({right - 70, bottom - 70}, "0", pointFont, Anchor::End);
    doc.text({midX, bottom - 80}, "1", pointFont, Anchor::Middle);
    doc.text({midX, top + 200}, "2", pointFont, Anchor::Middle);
    doc.text({left + 80, midY + 55}, "3", pointFont);
    doc.text({right - 80, midY + 55}, "3", pointFont, Anchor::End);

    // Directions: x across towards the free edge, y along it.
    const Point origin{left + 0.6 * width, top + 0.25 * depth};
    const double len = 0.22 * depth + 80;
    doc.line(origin, {origin.x + len, origin.y}, arrow);
    arrowHead(doc, {origin.x + len, origin.y}, 1, 0);
    doc.line(origin, {origin.x, origin.y + len}, arrow);
    arrowHead(doc, {origin.x, origin.y + len}, 0, 1);
    FormulaText().italic("y").draw(doc, {origin.x + len + 40, origin.y + 60}, 170);
    FormulaText().italic("x").draw(doc, {origin.x + 50, origin.y + len + 20}, 170);
}

} // namespace flange::chart
