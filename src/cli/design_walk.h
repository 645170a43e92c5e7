#pragma once

// The step flow of the main window, without a window: a design is opened (every result empty, every
// judgement hidden at its first caption), then the engineer calculates step A and goes on with
// "next >>" as long as it is enabled: step B shape, step B thickness, step C and step D. The walk
// stops at the first step whose missing-input check fails or whose "next >>" stays disabled, or
// after the step D calculation.

#include "calc/design_record.h"
#include "io/design_file.h"

namespace flange {

enum class WalkStep { Bolts, PlateShape, PlateThickness, Ribs, Welds };

enum class WalkStatus {
    Ok,           // step D was calculated and all four judgements are OK
    Ng,           // a step's "next >>" stayed disabled, or step D has an NG judgement
    MissingInput, // a step's calculation found an input it needs empty
};

struct WalkResult {
    WalkStep step = WalkStep::Bolts; // where the walk stopped
    WalkStatus status = WalkStatus::MissingInput;
    DesignRecord record;             // as the main window would show it there
};

WalkResult walkDesign(const DesignInputs& inputs);

} // namespace flange
