#pragma once

// The five calculate actions, one per step page. Each checks that the inputs it needs are not
// empty, then recomputes every section from A up to its own from the current inputs and writes all
// results and the texts of the judgements it makes, and says how each judgement came out. They
// keep no state and know nothing of windows: the step flow decides what a calculation shows and
// which way on it opens.

#include "calc/design_record.h"
#include "calc/design_steps.h"
#include "calc/record_operations.h"

#include <array>
#include <optional>
#include <span>

namespace flange {

struct CalculationOutcome {
    enum class Status {
        MissingInput, // an input the action needs is empty: nothing was changed
        Calculated,   // the record holds the new results and judgement texts
    };
    Status status = Status::MissingInput;
    DesignRecord record;
    // How each step's check came out, by stepIndex; nothing for a step the action did not judge
    // (step B shape never is judged).
    std::array<std::optional<Judgement>, allSteps.size()> judgements{};

    std::optional<Judgement> judgement(Step step) const { return judgements[stepIndex(step)]; }
};

// Step A: section A with the bolt judgement.
CalculationOutcome calculateBolts(const DesignRecord& record);
// Step B shape: section A without its judgement, then the plate panel.
CalculationOutcome calculatePlateShape(const DesignRecord& record);
// Step B thickness: sections A, B and C with the bolt, thickness and rib judgements.
CalculationOutcome calculatePlateThickness(const DesignRecord& record);
// Step C: the same sections and judgements as step B thickness.
CalculationOutcome calculateRibs(const DesignRecord& record);
// Step D: sections A to D and their four judgements; the bolt stress with three decimals.
CalculationOutcome calculateWelds(const DesignRecord& record);

// The fields each action's missing-input check covers are calculationInputs(step)
// (calc/design_inputs.h).

} // namespace flange
