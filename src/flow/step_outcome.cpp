#include "flow/step_outcome.h"

namespace flange {

StepOutcomes stepOutcomes(Step calculated, const CalculationOutcome& calculation)
{
    StepOutcomes outcomes;
    for (Step step : allSteps) {
        StepOutcome& outcome = outcomes[stepIndex(step)];
        outcome.judgement = calculation.judgement(step);
        outcome.shown = outcome.judgement
                        && (step == calculated || (step >= Step::BThickness && step <= calculated));
        if (outcome.shown && step != Step::D)
            outcome.next = *outcome.judgement == Judgement::Ok ? Gate::Enabled : Gate::Disabled;
    }
    if (calculated == Step::BShape)
        outcomes[stepIndex(Step::BShape)].next = Gate::Enabled;
    return outcomes;
}

} // namespace flange
