#include "flow/step.h"

#include <algorithm>
#include <stdexcept>

namespace flange {

namespace {

using R = DesignRecord;

constexpr std::array<TextField, 7> boltRowInputs{
    &R::boltSize,      &R::boltArea,           &R::boltCount,           &R::shearForce,
    &R::bendingMoment, &R::boltCircleDiameter, &R::boltAllowableTension};
constexpr std::array<TextField, 2> plateShapeRowInputs{&R::pipeDiameter, &R::flangeDiameter};
constexpr std::array<TextField, 3> plateThicknessRowInputs{&R::plateAllowableBending,
                                                           &R::flangeThickness, &R::alpha0};
constexpr std::array<TextField, 3> ribRowInputs{&R::allowableShear, &R::ribThickness,
                                                &R::ribHeight};
constexpr std::array<TextField, 2> weldRowInputs{&R::filletSize, &R::weldLength};

const std::array<StepFields, 5> steps{{
    {Step::A, boltRowInputs, &R::boltRatio, &R::boltVerdict, &calculateBolts},
    {Step::BShape, plateShapeRowInputs, &R::edgeRatio, nullptr, &calculatePlateShape},
    {Step::BThickness, plateThicknessRowInputs, &R::requiredThickness, &R::thicknessVerdict,
     &calculatePlateThickness},
    {Step::C, ribRowInputs, &R::ribRatio, &R::ribVerdict, &calculateRibs},
    {Step::D, weldRowInputs, &R::weldRatio, &R::weldVerdict, &calculateWelds},
}};

} // namespace

const StepFields& stepFields(Step step) { return steps[static_cast<std::size_t>(step)]; }

Step stepOf(TextField input)
{
    for (const StepFields& s : steps) {
        if (std::ranges::find(s.inputs, input) != s.inputs.end())
            return s.step;
    }
    throw std::invalid_argument("not an input field of any step");
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
