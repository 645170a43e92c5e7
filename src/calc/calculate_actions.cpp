#include "calc/calculate_actions.h"

#include "calc/design_inputs.h"
#include "calc/record_operations.h"
#include "calc/section_stages.h"

namespace flange {

namespace {

void judged(CalculationOutcome& o, Step step, Judgement judgement)
{
    o.judgements[stepIndex(step)] = judgement;
}

// Runs the missing-input check and, when it passes, the action's sections on a copy of the record.
template <class Sections>
CalculationOutcome calculate(const DesignRecord& record, Step step, Sections runSections)
{
    CalculationOutcome outcome;
    outcome.record = record;
    if (missingInputCheck(record, calculationInputs(step)))
        return outcome;
    outcome.status = CalculationOutcome::Status::Calculated;
    runSections(outcome);
    return outcome;
}

// Sections A to C as the plate thickness, rib and weld actions run them; returns the rounded Q0.
std::optional<double> runThroughRibs(CalculationOutcome& o, NumberPattern boltStressPattern)
{
    const auto bolts = runBoltStage(o.record, boltStressPattern, true);
    judged(o, Step::A, *bolts.judgement);
    const auto panel = runPlateShapeStage(o.record, bolts.tension);
    judged(o, Step::BThickness, runPlateThicknessStage(o.record, panel));
    const auto ribs = runRibStage(o.record, panel);
    judged(o, Step::C, ribs.judgement);
    return ribs.shearForce;
}

} // namespace

CalculationOutcome calculateBolts(const DesignRecord& record)
{
    return calculate(record, Step::A, [](CalculationOutcome& o) {
        judged(o, Step::A, *runBoltStage(o.record, NumberPattern::TwoDecimals, true).judgement);
    });
}

CalculationOutcome calculatePlateShape(const DesignRecord& record)
{
    return calculate(record, Step::BShape, [](CalculationOutcome& o) {
        const auto bolts = runBoltStage(o.record, NumberPattern::TwoDecimals, false);
        runPlateShapeStage(o.record, bolts.tension);
    });
}

CalculationOutcome calculatePlateThickness(const DesignRecord& record)
{
    return calculate(record, Step::BThickness,
                     [](CalculationOutcome& o) { runThroughRibs(o, NumberPattern::TwoDecimals); });
}

CalculationOutcome calculateRibs(const DesignRecord& record)
{
    return calculate(record, Step::C,
                     [](CalculationOutcome& o) { runThroughRibs(o, NumberPattern::TwoDecimals); });
}

CalculationOutcome calculateWelds(const DesignRecord& record)
{
    return calculate(record, Step::D, [](CalculationOutcome& o) {
        const auto shearForce = runThroughRibs(o, NumberPattern::ThreeDecimals);
        judged(o, Step::D, runWeldStage(o.record, shearForce));
    });
}

} // namespace flange
