#include "calc/checked_math.h"
#include "calc/section_stages.h"

namespace flange {

Judgement runPlateThicknessStage(DesignRecord& r, const PanelValues& panel)
{
    using namespace checked;
    const Value alpha0 = readNumber(r, &DesignRecord::alpha0);
    const Value allowable = readNumber(r, &DesignRecord::plateAllowableBending); // fb1

    const Value moment = writeResult(
        r, &DesignRecord::freeEdgeMoment,
        times(times(panel.unitCompressiveStress, squared(panel.fixedEdgeLength)), alpha0),
        NumberPattern::ThreeDecimals);
    writeResult(r, &DesignRecord::requiredThickness,
                squareRoot(dividedBy(times(6.0, moment), times(allowable, shortTermFactor))),
                NumberPattern::TwoDecimals);

    // The thickness as shown against the assumed one; equal is not enough, and a thickness that
    // could not be computed or read never passes.
    const Value required = readNumber(r, &DesignRecord::requiredThickness);
    const Value assumed = readNumber(r, &DesignRecord::flangeThickness);
    const Judgement judgement =
        (required && assumed && *required < *assumed) ? Judgement::Ok : Judgement::Ng;
    r.thicknessVerdict.text =
        std::string(judgement == Judgement::Ok ? thicknessOkText : thicknessNgText);
    return judgement;
}

} // namespace flange
