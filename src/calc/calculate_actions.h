#pragma once

// The five calculate actions, one per step page. Each checks that the inputs it needs are not
// empty, then recomputes every section from A up to its own from the current inputs, writes all
// results and judgements, and says for each step whether its way on to the next step opens and how
// its judgement came out. They keep no state and know nothing of windows: the step flow applies the
// outcome.

#include "calc/design_record.h"

#include <array>
#include <cstddef>
#include <span>

namespace flange {

// The five steps of the design check, in their fixed order: A bolts, B plate shape, B plate
// thickness, C ribs, D welds.
enum class Step { A, BShape, BThickness, C, D };

inline constexpr std::array<Step, 5> allSteps{Step::A, Step::BShape, Step::BThickness, Step::C,
                                              Step::D};

inline constexpr std::size_t stepIndex(Step step) { return static_cast<std::size_t>(step); }

// A step's way on to the next step after a calculation.
enum class Gate {
    Unchanged, // the calculation says nothing about it
    Enabled,
    Disabled,
};

// A step's judgement after a calculation.
enum class JudgementState {
    NotJudged, // the calculation did not judge this step (step B shape never is)
    Ok,
    Ng,
};

struct StepOutcome {
    Gate next = Gate::Unchanged;
    JudgementState judgement = JudgementState::NotJudged;
};

struct CalculationOutcome {
    enum class Status {
        MissingInput, // an input the action needs is empty: nothing was changed
        Calculated,   // the record holds the new results and judgements
    };
    Status status = Status::MissingInput;
    DesignRecord record;
    std::array<StepOutcome, allSteps.size()> steps{}; // by stepIndex

    StepOutcome& operator[](Step step) { return steps[stepIndex(step)]; }
    const StepOutcome& operator[](Step step) const { return steps[stepIndex(step)]; }
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
