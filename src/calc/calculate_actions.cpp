#include "calc/calculate_actions.h"

#include "calc/record_operations.h"
#include "calc/section_stages.h"

namespace flange {

namespace {

using R = DesignRecord;

// clang-format off
constexpr std::array<TextField, 6> boltList{
    &R::boltArea, &R::boltCount, &R::boltCircleDiameter,
    &R::boltAllowableTension, &R::shearForce, &R::bendingMoment};
constexpr std::array<TextField, 8> plateShapeList{
    &R::boltArea, &R::boltCount, &R::boltCircleDiameter, &R::boltAllowableTension,
    &R::shearForce, &R::bendingMoment, &R::pipeDiameter, &R::flangeDiameter};
constexpr std::array<TextField, 11> plateThicknessList{
    &R::boltArea, &R::boltCount, &R::boltCircleDiameter, &R::boltAllowableTension,
    &R::shearForce, &R::bendingMoment, &R::pipeDiameter, &R::flangeDiameter,
    &R::plateAllowableBending, &R::flangeThickness, &R::alpha0};
constexpr std::array<TextField, 14> ribList{
    &R::boltArea, &R::boltCount, &R::boltCircleDiameter, &R::boltAllowableTension,
    &R::shearForce, &R::bendingMoment, &R::pipeDiameter, &R::flangeDiameter,
    &R::plateAllowableBending, &R::flangeThickness, &R::alpha0,
    &R::ribThickness, &R::ribHeight, &R::allowableShear};
constexpr std::array<TextField, 16> weldList{
    &R::boltArea, &R::boltCount, &R::boltCircleDiameter, &R::boltAllowableTension,
    &R::shearForce, &R::bendingMoment, &R::pipeDiameter, &R::flangeDiameter,
    &R::plateAllowableBending, &R::flangeThickness, &R::alpha0,
    &R::ribThickness, &R::ribHeight, &R::allowableShear, &R::filletSize, &R::weldLength};
// clang-format on

void judged(CalculationOutcome& o, Step step, Judgement judgement)
{
    o.judgements[stepIndex(step)] = judgement;
}

// Runs the missing-input check and, when it passes, the action's sections on a copy of the record.
template <class Sections>
CalculationOutcome calculate(const DesignRecord& record, std::span<const TextField> inputs,
                             Sections runSections)
{
    CalculationOutcome outcome;
    outcome.record = record;
    if (missingInputCheck(record, inputs))
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

std::span<const TextField> boltInputs() { return boltList; }
std::span<const TextField> plateShapeInputs() { return plateShapeList; }
std::span<const TextField> plateThicknessInputs() { return plateThicknessList; }
std::span<const TextField> ribInputs() { return ribList; }
std::span<const TextField> weldInputs() { return weldList; }

CalculationOutcome calculateBolts(const DesignRecord& record)
{
    return calculate(record, boltList, [](CalculationOutcome& o) {
        judged(o, Step::A, *runBoltStage(o.record, NumberPattern::TwoDecimals, true).judgement);
    });
}

CalculationOutcome calculatePlateShape(const DesignRecord& record)
{
    return calculate(record, plateShapeList, [](CalculationOutcome& o) {
        const auto bolts = runBoltStage(o.record, NumberPattern::TwoDecimals, false);
        runPlateShapeStage(o.record, bolts.tension);
    });
}

CalculationOutcome calculatePlateThickness(const DesignRecord& record)
{
    return calculate(record, plateThicknessList,
                     [](CalculationOutcome& o) { runThroughRibs(o, NumberPattern::TwoDecimals); });
}

CalculationOutcome calculateRibs(const DesignRecord& record)
{
    return calculate(record, ribList,
                     [](CalculationOutcome& o) { runThroughRibs(o, NumberPattern::TwoDecimals); });
}

CalculationOutcome calculateWelds(const DesignRecord& record)
{
    return calculate(record, weldList, [](CalculationOutcome& o) {
        const auto shearForce = runThroughRibs(o, NumberPattern::ThreeDecimals);
        judged(o, Step::D, runWeldStage(o.record, shearForce));
    });
}

} // namespace flange
