#include "calc/checked_math.h"
#include "calc/section_stages.h"

namespace flange {

RibStageResult runRibStage(DesignRecord& r, const PanelValues& panel)
{
    using namespace checked;
    const Value thickness = readNumber(r, &DesignRecord::ribThickness);   // t1
    const Value height = readNumber(r, &DesignRecord::ribHeight);         // h1
    const Value allowable = readNumber(r, &DesignRecord::allowableShear); // fS

    RibStageResult result;
    result.shearForce =
        writeResult(r, &DesignRecord::ribShearForce,
                    times(times(panel.unitCompressiveStress, squared(panel.fixedEdgeLength)), 2.0),
                    NumberPattern::TwoDecimals);
    const Value stress = writeResult(r, &DesignRecord::ribShearStress,
                                     dividedBy(result.shearForce, times(thickness, height)),
                                     NumberPattern::ThreeDecimals);
    writeResult(r, &DesignRecord::ribRatio, dividedBy(stress, times(allowable, shortTermFactor)),
                NumberPattern::ThreeDecimals);
    result.judgement = judgeRatio(r, &DesignRecord::ribRatio);
    writeRatioJudgement(r, &DesignRecord::ribVerdict, result.judgement);
    return result;
}

} // namespace flange
