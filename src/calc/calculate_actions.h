#pragma once

// The five calculate actions, one per step page. Each checks that the inputs it needs are not
// empty, then recomputes every section from A up to its own from the current inputs, writes all
// results and judgements, and says how the next-step buttons are to be enabled. They keep no state
// and know nothing of windows: the main window applies the outcome.

#include "calc/design_record.h"

#include <array>
#include <optional>
#include <span>

namespace flange {

struct CalculationOutcome {
    enum class Status {
        MissingInput, // an input the action needs is empty: nothing was changed
        Calculated,   // the record holds the new results and judgements
    };
    Status status = Status::MissingInput;
    DesignRecord record;

    // The next-step buttons: enabled (true), disabled (false) or left as they are (nothing).
    std::optional<bool> command8Enabled;  // next after the bolts
    std::optional<bool> command10Enabled; // next after the plate shape
    std::optional<bool> command12Enabled; // next after the plate thickness
    std::optional<bool> command14Enabled; // next after the ribs
};

// Step A: section A with the bolt judgement shown.
CalculationOutcome calculateBolts(const DesignRecord& record);
// Step B shape: section A without its judgement, then the plate panel; next is always enabled.
CalculationOutcome calculatePlateShape(const DesignRecord& record);
// Step B thickness: sections A, B and C; the thickness judgement shown, the others text only.
CalculationOutcome calculatePlateThickness(const DesignRecord& record);
// Step C: as step B thickness, with the rib judgement shown.
CalculationOutcome calculateRibs(const DesignRecord& record);
// Step D: sections A to D; the bolt stress with three decimals; the weld judgement shown.
CalculationOutcome calculateWelds(const DesignRecord& record);

// The fields each action's missing-input check covers.
std::span<const TextField> boltInputs();
std::span<const TextField> plateShapeInputs();
std::span<const TextField> plateThicknessInputs();
std::span<const TextField> ribInputs();
std::span<const TextField> weldInputs();

} // namespace flange
