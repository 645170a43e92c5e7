#include "suggest/design_walk.h"

#include "flow/step_flow.h"

#include <algorithm>

namespace flange {

namespace {

bool judgedUpTo(Step step, Step last) { return step != Step::BShape && step <= last; }

} // namespace

WalkResult walkDesign(const DesignInputs& inputs, Step last)
{
    StepFlow flow;
    flow.openDesign(inputs);
    WalkResult result;
    bool calculated = false;
    do {
        result.step = flow.currentStep();
        calculated = flow.calculate() == CalculationOutcome::Status::Calculated;
    } while (calculated && result.step != last && flow.enterNextStep());
    for (Step step : allSteps)
        result.judged[stepIndex(step)] = flow.judgement(step);
    result.record = flow.record();
    result.hints = flow.hints();
    if (!calculated)
        return result;
    const bool allOk = std::ranges::all_of(allSteps, [&](Step step) {
        return !judgedUpTo(step, last) || result.judgement(step) == Judgement::Ok;
    });
    result.status = result.step == last && allOk ? WalkStatus::Ok : WalkStatus::Ng;
    return result;
}

std::optional<Step> stepToMend(const WalkResult& walk)
{
    if (walk.status != WalkStatus::Ng)
        return std::nullopt;
    if (walk.judgement(walk.step) == Judgement::Ng)
        return walk.step;
    for (Step step : allSteps) {
        if (walk.judgement(step) == Judgement::Ng)
            return step;
    }
    return std::nullopt;
}

} // namespace flange
