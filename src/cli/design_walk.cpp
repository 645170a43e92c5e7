#include "cli/design_walk.h"

#include "calc/calculate_actions.h"
#include "calc/record_operations.h"

namespace flange {

namespace {

struct StepAction {
    WalkStep step;
    CalculationOutcome (*calculate)(const DesignRecord&);
    std::optional<bool> CalculationOutcome::*next; // the step's "next >>"; none for step D
};

constexpr std::array<StepAction, 5> steps{{
    {WalkStep::Bolts, calculateBolts, &CalculationOutcome::command8Enabled},
    {WalkStep::PlateShape, calculatePlateShape, &CalculationOutcome::command10Enabled},
    {WalkStep::PlateThickness, calculatePlateThickness, &CalculationOutcome::command12Enabled},
    {WalkStep::Ribs, calculateRibs, &CalculationOutcome::command14Enabled},
    {WalkStep::Welds, calculateWelds, nullptr},
}};

bool allJudgementsOk(const DesignRecord& r)
{
    return r.boltVerdict.text == ratioOkText && r.thicknessVerdict.text == thicknessOkText
        && r.ribVerdict.text == ratioOkText && r.weldVerdict.text == ratioOkText;
}

} // namespace

WalkResult walkDesign(const DesignInputs& inputs)
{
    WalkResult result;
    applyInputs(result.record, inputs);
    for (const StepAction& action : steps) {
        result.step = action.step;
        CalculationOutcome outcome = action.calculate(result.record);
        if (outcome.status == CalculationOutcome::Status::MissingInput) {
            result.status = WalkStatus::MissingInput;
            return result;
        }
        result.record = std::move(outcome.record);
        // Entering a step disables its "next >>"; only its own calculation can enable it.
        if (action.next && !(outcome.*action.next).value_or(false)) {
            result.status = WalkStatus::Ng;
            return result;
        }
    }
    result.status = allJudgementsOk(result.record) ? WalkStatus::Ok : WalkStatus::Ng;
    return result;
}

} // namespace flange
