#include "calc/checked_math.h"
#include "calc/section_stages.h"

namespace flange {

namespace {
// π as the calculation sheet has always taken it; the displayed numbers depend on it.
constexpr double sheetPi = 3.1415926;
} // namespace

PanelValues runPlateShapeStage(DesignRecord& r, std::optional<double> tension)
{
    using namespace checked;
    // Half the angle between two bolts, 180°/n, in radians: (180·π/180)/n in that order.
    const Value angle = dividedBy(180.0 * sheetPi / 180.0, readNumber(r, &DesignRecord::boltCount));
    const Value sinAngle = sine(angle);
    const Value circle = readNumber(r, &DesignRecord::boltCircleDiameter); // D1
    const Value flange = readNumber(r, &DesignRecord::flangeDiameter);     // D2
    const Value pipe = readNumber(r, &DesignRecord::pipeDiameter);         // φ0

    PanelValues panel;
    const Value freeEdge = writeResult(r, &DesignRecord::freeEdgeLength, times(circle, sinAngle),
                                       NumberPattern::OneDecimal);
    panel.fixedEdgeLength =
        writeResult(r, &DesignRecord::fixedEdgeLength, times(minus(flange, pipe), 1.0 / 2.0),
                    NumberPattern::OneDecimal);
    panel.unitCompressiveStress = writeResult(
        r, &DesignRecord::unitCompressiveStress,
        dividedBy(tension, times(freeEdge, panel.fixedEdgeLength)), NumberPattern::FourDecimals);
    writeResult(r, &DesignRecord::edgeRatio, dividedBy(freeEdge, panel.fixedEdgeLength),
                NumberPattern::TwoDecimals);
    return panel;
}

} // namespace flange
