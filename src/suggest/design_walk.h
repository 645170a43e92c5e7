#pragma once

// The step flow walked without a window: a design is opened (every result empty, every judgement
// hidden at its first caption), then the step flow calculates the current step and goes on with
// "next >>" as long as it is enabled, exactly as an engineer at the main window would. The walk
// stops at the first step whose missing-input check fails or whose "next >>" stays disabled, or
// after the calculation of the last step asked for (step D unless told otherwise).

#include "calc/calculate_actions.h"
#include "calc/design_inputs.h"
#include "calc/design_record.h"
#include "calc/hints.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace flange {

enum class WalkStatus {
    Ok,           // the last step was calculated and every judgement up to it is OK
    Ng,           // a step's "next >>" stayed disabled, or a judgement up to the last step is NG
    MissingInput, // a step's calculation found an input it needs empty
};

struct WalkResult {
    Step step = Step::A; // where the walk stopped
    WalkStatus status = WalkStatus::MissingInput;
    DesignRecord record;     // as the main window would show it there
    std::vector<Hint> hints; // the step flow's hints there
    std::array<std::optional<Judgement>, allSteps.size()>
        judged{}; // the flow's judgement of each step

    std::optional<Judgement> judgement(Step s) const { return judged[stepIndex(s)]; }
};

WalkResult walkDesign(const DesignInputs& inputs, Step last = Step::D);

// The step an engineer has to mend: the one the walk stopped at when it is judged NG there, else
// the first step the last calculation judged NG (step D recomputes the bolts with the stress to
// three decimals). Nothing for a walk that stopped at an empty input or passed.
std::optional<Step> stepToMend(const WalkResult& walk);

} // namespace flange
