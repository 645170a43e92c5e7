#include "flow/step_flow.h"

#include "calc/bolt_size_table.h"
#include "calc/record_operations.h"

#include <algorithm>
#include <iterator>

namespace flange {

const std::vector<Hint>& StepFlow::hints() const
{
    if (!hints_) {
        hints_.emplace();
        // α0 as it is typed now, against the edge ratio last calculated (recordChanged forgets
        // that calculation once its edge ratio is no longer shown).
        if (lastCalculated_) {
            DesignRecord typed = *lastCalculated_;
            typed.alpha0 = record_.alpha0;
            if (auto chart = findChartHint(typed))
                hints_->push_back(std::move(*chart));
        }
        std::ranges::move(findInputHints(record_), std::back_inserter(*hints_));
    }
    return *hints_;
}

void StepFlow::recordChanged()
{
    hints_.reset();
    if (lastCalculated_ && lastCalculated_->edgeRatio != record_.edgeRatio)
        lastCalculated_.reset();
}

bool StepFlow::isNextEnabled(Step step) const
{
    return step != Step::D && nextEnabled_[stepIndex(step)];
}

void StepFlow::setNextEnabled(Step step, bool enabled)
{
    if (step != Step::D)
        nextEnabled_[stepIndex(step)] = enabled;
}

void StepFlow::hideJudgement(Step step)
{
    if (const JudgementField judgement = stepFields(step).judgement)
        (record_.*judgement).shown = false;
    judgements_[stepIndex(step)].reset();
}

void StepFlow::invalidate(Step step)
{
    record_.*stepFields(step).headline = std::string();
    hideJudgement(step);
    setNextEnabled(step, false);
}

void StepFlow::setInput(TextField field, const std::string& text)
{
    if (record_.*field == text)
        return;
    record_.*field = text;
    invalidate(stepOf(field));
    recordChanged();
}

void StepFlow::chooseBoltSize(int index)
{
    if (index < 0 || index >= static_cast<int>(boltSizeTable.size()))
        return;
    record_.boltSize = std::string(boltSizeTable[static_cast<std::size_t>(index)].itemText);
    const std::string areaBefore = record_.boltArea;
    selectBoltSize(record_, index);
    if (record_.boltArea != areaBefore)
        invalidate(Step::A);
    recordChanged();
}

bool StepFlow::enterNextStep()
{
    const auto next = nextStep(current_);
    if (!next || !isNextEnabled(current_))
        return false;
    current_ = *next;
    setNextEnabled(current_, false);
    record_.*stepFields(current_).headline = std::string();
    hideJudgement(current_);
    recordChanged();
    return true;
}

bool StepFlow::leaveStep()
{
    const auto previous = previousStep(current_);
    if (!previous)
        return false;
    hideJudgement(current_);
    if (current_ == Step::D)
        record_.weldRatio.clear();
    current_ = *previous;
    recordChanged();
    return true;
}

void StepFlow::pageReset()
{
    for (TextField field : inputFieldsInFileOrder)
        setInput(field, std::string());
    for (TextField field : resultFields)
        record_.*field = std::string();
    for (JudgementField judgement : judgementFields)
        (record_.*judgement).shown = false;
    nextEnabled_ = {};
    judgements_ = {};
    current_ = Step::A;
    recordChanged();
}

void StepFlow::openDesign(const DesignInputs& inputsInFileOrder)
{
    pageReset();
    for (std::size_t i = 0; i < inputFieldsInFileOrder.size(); ++i)
        setInput(inputFieldsInFileOrder[i], inputsInFileOrder[i]);
}

CalculationOutcome::Status StepFlow::calculate()
{
    CalculationOutcome outcome = stepFields(current_).calculate(record_);
    if (outcome.status != CalculationOutcome::Status::Calculated)
        return outcome.status;
    const StepOutcomes steps = stepOutcomes(current_, outcome);
    record_ = std::move(outcome.record);
    for (Step step : allSteps) {
        const StepOutcome& result = steps[stepIndex(step)];
        if (result.next != Gate::Unchanged)
            setNextEnabled(step, result.next == Gate::Enabled);
        if (result.shown)
            (record_.*stepFields(step).judgement).shown = true;
        if (result.judgement)
            judgements_[stepIndex(step)] = result.judgement;
    }
    lastCalculated_ = record_;
    hints_.reset();
    return CalculationOutcome::Status::Calculated;
}

} // namespace flange
