#pragma once

// The state machine of the five steps of the design check, over the design record it owns.
//
// It holds the current step, the enabled state of the four "next >>" buttons, the record and its
// hints, and
// carries out every rule that changes them: an edit of an input empties its step's headline
// result, hides its judgement and disables its "next >>"; entering and leaving a step; the page
// reset; opening a design; and the calculation of the current step through its calculate action.
// Everything else the main window shows (which rows and blocks are visible, which fields are
// locked, whether Print is available) follows from this state. The main window shows it; the
// checker walks it.

#include "calc/calculate_actions.h"
#include "calc/design_inputs.h"
#include "calc/design_record.h"
#include "calc/hints.h"
#include "flow/step.h"
#include "flow/step_outcome.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace flange {

class StepFlow {
public:
    const DesignRecord& record() const { return record_; }
    Step currentStep() const { return current_; }

    // Whether the "next >>" of a step is enabled; always false for step D, which has none.
    bool isNextEnabled(Step step) const;
    // Print is available exactly while the weld ratio shows a text.
    bool isPrintAvailable() const { return !record_.weldRatio.empty(); }
    // The hints of the design as it stands: the unreadable numbers and the geometry of the record
    // now, after the chart hint found by the last calculation (it compares α0 with the chart at
    // the edge ratio just computed, and goes when that edge ratio is no longer shown). Found once
    // for each state of the record, when first asked for.
    const std::vector<Hint>& hints() const;

    // How the step was last judged, by whichever calculation judged it last (shown or as text
    // only); nothing again once its judgement is hidden.
    std::optional<Judgement> judgement(Step step) const { return judgements_[stepIndex(step)]; }

    // Sets the text of an input field (boltSize: the typed text of the bolt size box). A changed
    // text invalidates the field's step; an unchanged one changes nothing.
    void setInput(TextField field, const std::string& text);
    // A bolt size chosen from the list (index into the bolt size table): takes the item's text as
    // the bolt size without counting it as typed, and writes its area into boltArea.
    void chooseBoltSize(int index);

    // Moves to the following step when the current step's "next >>" is enabled; false otherwise.
    bool enterNextStep();
    // Moves back to the previous step; false at step A.
    bool leaveStep();
    // Returns to step A with every field empty and every later row and block hidden.
    void pageReset();
    // A page reset, then the 17 inputs in design file order, as opening a design file does.
    void openDesign(const DesignInputs& inputsInFileOrder);
    // Runs the calculate action of the current step. With MissingInput nothing has changed.
    CalculationOutcome::Status calculate();

private:
    void recordChanged();
    void invalidate(Step step);
    void hideJudgement(Step step);
    void setNextEnabled(Step step, bool enabled);

    DesignRecord record_;
    Step current_ = Step::A;
    std::array<bool, 4> nextEnabled_{}; // steps A to C
    std::array<std::optional<Judgement>, allSteps.size()> judgements_{};
    std::optional<DesignRecord> lastCalculated_;     // the record the chart hint is taken from
    mutable std::optional<std::vector<Hint>> hints_; // nothing until asked for after a change
};

} // namespace flange
