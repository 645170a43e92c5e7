#include "calc/checked_math.h"
#include "calc/section_stages.h"

namespace flange {

Judgement runWeldStage(DesignRecord& r, std::optional<double> ribShearForce)
{
    using namespace checked;
    const Value fillet = readNumber(r, &DesignRecord::filletSize);        // S1
    const Value length = readNumber(r, &DesignRecord::weldLength);        // L4
    const Value allowable = readNumber(r, &DesignRecord::allowableShear); // fS

    const Value throat =
        writeResult(r, &DesignRecord::weldThroat, times(fillet, 0.7), NumberPattern::TwoDecimals);
    const Value stress = writeResult(r, &DesignRecord::weldShearStress,
                                     dividedBy(ribShearForce, times(times(throat, length), 2.0)),
                                     NumberPattern::ThreeDecimals);
    writeResult(r, &DesignRecord::weldRatio, dividedBy(stress, times(allowable, shortTermFactor)),
                NumberPattern::ThreeDecimals);
    const Judgement judgement = judgeRatio(r, &DesignRecord::weldRatio);
    writeRatioJudgement(r, &DesignRecord::weldVerdict, judgement);
    return judgement;
}

} // namespace flange
