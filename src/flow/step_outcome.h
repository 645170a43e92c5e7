#pragma once

// What the calculation of a step means for every step: whether its "next >>" opens or closes,
// whether its judgement label is shown, and how it was judged.
//
// The calculation of a step shows its own judgement and, from step B thickness on, those of the
// judged steps from B thickness up to it; every judgement it shows opens that step's "next >>"
// exactly when it is OK. Step B shape, which is never judged, always opens its own. The other
// judgements a calculation makes get their new texts and stay as shown or hidden as they were.

#include "calc/calculate_actions.h"
#include "calc/design_steps.h"

#include <array>
#include <optional>

namespace flange {

// A step's way on to the next step after a calculation.
enum class Gate {
    Unchanged, // the calculation says nothing about it
    Enabled,
    Disabled,
};

struct StepOutcome {
    Gate next = Gate::Unchanged;
    bool shown = false;                 // the calculation shows its judgement label
    std::optional<Judgement> judgement; // nothing when the calculation did not judge the step
};

using StepOutcomes = std::array<StepOutcome, allSteps.size()>; // by stepIndex

// The outcome for each step of a calculation of `calculated` that succeeded.
StepOutcomes stepOutcomes(Step calculated, const CalculationOutcome& calculation);

} // namespace flange
