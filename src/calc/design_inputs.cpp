#include "calc/design_inputs.h"

namespace flange {

DesignInputs inputsOf(const DesignRecord& record)
{
    DesignInputs inputs;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i] = record.*inputFieldsInFileOrder[i];
    return inputs;
}

void applyInputs(DesignRecord& record, const DesignInputs& inputs)
{
    for (std::size_t i = 0; i < inputs.size(); ++i)
        record.*inputFieldsInFileOrder[i] = inputs[i];
}

} // namespace flange
