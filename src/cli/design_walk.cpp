#include "cli/design_walk.h"

#include "flow/step_flow.h"

#include <algorithm>
#include <iterator>

namespace flange {

WalkResult walkDesign(const DesignInputs& inputs, std::vector<Hint> readingHints)
{
    StepFlow flow;
    flow.openDesign(inputs);
    WalkResult result;
    result.readingHints = std::move(readingHints);
    do {
        result.step = flow.currentStep();
        if (flow.calculate() == CalculationOutcome::Status::MissingInput) {
            result.record = flow.record();
            return result;
        }
    } while (flow.enterNextStep());
    result.record = flow.record();
    const bool allOk = std::ranges::all_of(allSteps, [&](Step step) {
        return step == Step::BShape || flow.judgement(step) == JudgementState::Ok;
    });
    result.status = result.step == Step::D && allOk ? WalkStatus::Ok : WalkStatus::Ng;
    return result;
}

std::vector<Hint> hintsOf(const WalkResult& walk)
{
    std::vector<Hint> hints = walk.readingHints;
    std::ranges::move(findHints(walk.record), std::back_inserter(hints));
    return hints;
}

} // namespace flange
