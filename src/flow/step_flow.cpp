#include "flow/step_flow.h"

#include "calc/bolt_size_table.h"
#include "calc/record_operations.h"

namespace flange {

bool StepFlow::isNextEnabled(Step step) const
{
    return step != Step::D && nextEnabled_[static_cast<std::size_t>(stepIndex(step))];
}

void StepFlow::setNextEnabled(Step step, bool enabled)
{
    if (step != Step::D)
        nextEnabled_[static_cast<std::size_t>(stepIndex(step))] = enabled;
}

void StepFlow::hideVerdict(Step step)
{
    if (const VerdictField verdict = stepFields(step).verdict)
        (record_.*verdict).shown = false;
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
    current_ = Step::A;
}

CalculationOutcome::Status StepFlow::calculate()
{
    CalculationOutcome outcome = stepFields(current_).calculate(record_);
    if (outcome.status != CalculationOutcome::Status::Calculated)
        return outcome.status;
    record_ = std::move(outcome.record);
    const std::array<std::pair<Step, std::optional<bool>>, 4> gates{{
        {Step::A, outcome.command8Enabled},
        {Step::BShape, outcome.command10Enabled},
        {Step::BThickness, outcome.command12Enabled},
        {Step::C, outcome.command14Enabled},
    }};
    for (const auto& [step, enabled] : gates) {
        if (enabled)
            setNextEnabled(step, *enabled);
    }
    return CalculationOutcome::Status::Calculated;
}

} // namespace flange
