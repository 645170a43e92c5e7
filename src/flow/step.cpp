#include "flow/step.h"

#include "calc/design_inputs.h"

#include <algorithm>
#include <stdexcept>

namespace flange {

namespace {

using R = DesignRecord;

const std::array<StepFields, 5> steps{{
    {Step::A, &R::boltRatio, &R::boltVerdict, &calculateBolts},
    {Step::BShape, &R::edgeRatio, nullptr, &calculatePlateShape},
    {Step::BThickness, &R::requiredThickness, &R::thicknessVerdict, &calculatePlateThickness},
    {Step::C, &R::ribRatio, &R::ribVerdict, &calculateRibs},
    {Step::D, &R::weldRatio, &R::weldVerdict, &calculateWelds},
}};

} // namespace

const StepFields& stepFields(Step step) { return steps[static_cast<std::size_t>(step)]; }

Step stepOf(TextField input)
{
    const auto it = std::ranges::find(designInputs, input, &FieldInfo::field);
    if (it == designInputs.end())
        throw std::invalid_argument("not an input field of any step");
    return *it->step;
}

std::optional<Step> nextStep(Step step)
{
    if (step == Step::D)
        return std::nullopt;
    return allSteps[stepIndex(step) + 1];
}

std::optional<Step> previousStep(Step step)
{
    if (step == Step::A)
        return std::nullopt;
    return allSteps[stepIndex(step) - 1];
}

} // namespace flange
