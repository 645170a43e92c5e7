#include "calc/checked_math.h"
#include "calc/section_stages.h"

namespace flange {

BoltStageResult runBoltStage(DesignRecord& r, NumberPattern stressPattern, bool judge)
{
    using namespace checked;
    const Value area = readNumber(r, &DesignRecord::boltArea);                  // A3
    const Value count = readNumber(r, &DesignRecord::boltCount);                // n
    const Value circle = readNumber(r, &DesignRecord::boltCircleDiameter);      // D1
    const Value allowable = readNumber(r, &DesignRecord::boltAllowableTension); // ft0
    const Value shear = readNumber(r, &DesignRecord::shearForce);               // Q1
    const Value moment = readNumber(r, &DesignRecord::bendingMoment);           // M1

    BoltStageResult result;
    result.tension = writeResult(r, &DesignRecord::boltTension,
                                 dividedBy(times(moment, 4.0), times(count, circle)),
                                 NumberPattern::TwoDecimals);
    writeResult(r, &DesignRecord::boltShear, dividedBy(shear, count), NumberPattern::ThreeDecimals);
    const Value stress =
        writeResult(r, &DesignRecord::boltStress, dividedBy(result.tension, area), stressPattern);
    writeResult(r, &DesignRecord::boltRatio, dividedBy(stress, times(allowable, shortTermFactor)),
                NumberPattern::ThreeDecimals);
    if (judge) {
        result.judgement = judgeRatio(r, &DesignRecord::boltRatio);
        writeRatioJudgement(r, &DesignRecord::boltVerdict, *result.judgement);
    }
    return result;
}

} // namespace flange
