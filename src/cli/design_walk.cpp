#include "cli/design_walk.h"

#include "flow/step_flow.h"

#include <algorithm>

namespace flange {

WalkResult walkDesign(const DesignInputs& inputs)
{
    StepFlow flow;
    flow.openDesign(inputs);
    WalkResult result;
    do {
        result.step = flow.currentStep();
        if (flow.calculate() == CalculationOutcome::Status::MissingInput) {
            result.record = flow.record();
            result.hints = flow.hints();
            return result;
        }
    } while (flow.enterNextStep());
    result.record = flow.record();
    result.hints = flow.hints();
    const bool allOk = std::ranges::all_of(allSteps, [&](Step step) {
        return step == Step::BShape || flow.judgement(step) == Judgement::Ok;
    });
    result.status = result.step == Step::D && allOk ? WalkStatus::Ok : WalkStatus::Ng;
    return result;
}

} // namespace flange
