#include "plate_chart/unit_caption.h"

#include "plate_chart/formula_text.h"
#include "plate_chart/svg_document.h"

namespace flange::chart {

namespace {

FormulaText unit(bool squared)
{
    FormulaText f;
    f.upright("×").italic("w").italic("L").italic("x", FormulaText::Level::Sub);
    if (squared)
        f.upright("2", FormulaText::Level::Super);
    return f;
}

std::string caption(int width, int height, const char* title, bool squared)
{
    SvgDocument doc(width, height, title);
    const double size = 200;
    unit(squared).draw(doc, {width / 2.0, height * 0.66}, size, Anchor::Middle);
    return doc.str();
}

} // namespace

std::string UnitCaption::momentUnitSvg() { return caption(810, 330, "×wLx²", true); }

std::string UnitCaption::shearUnitSvg() { return caption(705, 300, "×wLx", false); }

} // namespace flange::chart
