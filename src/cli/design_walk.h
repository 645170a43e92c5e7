#pragma once

// The step flow walked without a window: a design is opened (every result empty, every judgement
// hidden at its first caption), then the step flow calculates the current step and goes on with
// "next >>" as long as it is enabled, exactly as an engineer at the main window would. The walk
// stops at the first step whose missing-input check fails or whose "next >>" stays disabled, or
// after the step D calculation.

#include "calc/calculate_actions.h"
#include "calc/design_record.h"
#include "calc/hints.h"
#include "io/design_file.h"

#include <vector>

namespace flange {

enum class WalkStatus {
    Ok,           // step D was calculated and all four judgements are OK
    Ng,           // a step's "next >>" stayed disabled, or step D has an NG judgement
    MissingInput, // a step's calculation found an input it needs empty
};

struct WalkResult {
    Step step = Step::A; // where the walk stopped
    WalkStatus status = WalkStatus::MissingInput;
    DesignRecord record;            // as the main window would show it there
    std::vector<Hint> readingHints; // what reading the design's file noticed, given to walkDesign
};

WalkResult walkDesign(const DesignInputs& inputs, std::vector<Hint> readingHints = {});

// The hints the checker reports for a walk: what reading noticed, then the record's own.
std::vector<Hint> hintsOf(const WalkResult& walk);

} // namespace flange
