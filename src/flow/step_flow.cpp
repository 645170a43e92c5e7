#include "flow/step_flow.h"

#include "calc/bolt_size_table.h"
#include "calc/record_operations.h"

namespace flange {

bool StepFlow::isNextEnabled(Step step) const
{
    return step != Step::D && nextEnabled_[stepIndex(step)];
}

void StepFlow::setNextEnabled(Step step, bool enabled)
{
    if (step != Step::D)
        nextEnabled_[stepIndex(step)] = enabled;
}

void StepFlow::hideVerdict(Step step)
{
    if (const VerdictField verdict = stepFields(step).verdict)
        (record_.*verdict).shown = false;
    judgements_[stepIndex(step)] = JudgementState::NotJudged;
}

void StepFlow::invalidate(Step step)
{
    record_.*stepFields(step).headline = std::string();
    hideVerdict(step);
    setNextEnabled(step, false);
}

void StepFlow::setInput(TextField field, const std::string& text)
{
    if (record_.*field == text)
        return;
    record_.*field = text;
    invalidate(stepOf(field));
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
}

bool StepFlow::enterNextStep()
{
    const auto next = nextStep(current_);
    if (!next || !isNextEnabled(current_))
        return false;
    current_ = *next;
    setNextEnabled(current_, false);
    record_.*stepFields(current_).headline = std::string();
    hideVerdict(current_);
    return true;
}

bool StepFlow::leaveStep()
{
    const auto previous = previousStep(current_);
    if (!previous)
        return false;
    hideVerdict(current_);
    if (current_ == Step::D)
        record_.weldRatio.clear();
    current_ = *previous;
    return true;
}

void StepFlow::pageReset()
{
    for (TextField field : inputFieldsInFileOrder)
        setInput(field, std::string());
    for (TextField field : resultFields)
        record_.*field = std::string();
    for (VerdictField verdict : verdictFields)
        (record_.*verdict).shown = false;
    nextEnabled_ = {};
    judgements_ = {};
    current_ = Step::A;
}

void StepFlow::openDesign(const std::array<std::string, 17>& inputsInFileOrder)
{
    pageReset();
    for (std::size_t i = 0; i < inputFieldsInFileOrder.size(); ++i)
        setInput(inputFieldsInFileOrder[i], inputsInFileOrder[i]);
}

std::optional<TextField> StepFlow::firstEmptyInput() const
{
    for (TextField field : stepFields(current_).inputs) {
        if (field != &DesignRecord::boltSize && (record_.*field).empty())
            return field;
    }
    return std::nullopt;
}

CalculationOutcome::Status StepFlow::calculate()
{
    CalculationOutcome outcome = stepFields(current_).calculate(record_);
    if (outcome.status != CalculationOutcome::Status::Calculated)
        return outcome.status;
    record_ = std::move(outcome.record);
    for (Step step : allSteps) {
        if (const Gate next = outcome[step].next; next != Gate::Unchanged)
            setNextEnabled(step, next == Gate::Enabled);
        if (const JudgementState judged = outcome[step].judgement;
            judged != JudgementState::NotJudged)
            judgements_[stepIndex(step)] = judged;
    }
    return CalculationOutcome::Status::Calculated;
}

} // namespace flange
