#pragma once

// The five step pages of the design check, in their fixed order, and what belongs to each step:
// its headline result, its judgement and its calculate action. Its input fields are those the
// inputs' table (calc/design_inputs.h) gives the step.

#include "calc/calculate_actions.h"
#include "calc/design_record.h"

#include <array>
#include <optional>
#include <span>

namespace flange {

struct StepFields {
    Step step;
    TextField headline;       // the result shown on the results pane
    JudgementField judgement; // nullptr for step B shape, which has no judgement
    CalculationOutcome (*calculate)(const DesignRecord&);
};

const StepFields& stepFields(Step step);

// The step whose page edits this input field (boltSize included).
Step stepOf(TextField input);

std::optional<Step> nextStep(Step step);
std::optional<Step> previousStep(Step step);

} // namespace flange
