#pragma once

// What the program knows about each text field of the design record: its name, the main-window
// control that shows it, the caption an engineer reads beside it and its unit (the inputs' table is
// calc/design_inputs.h), and the names of the judgements.

#include "calc/design_inputs.h"
#include "calc/design_record.h"

#include <optional>
#include <span>
#include <string_view>

namespace flange {

struct JudgementInfo {
    JudgementField field;
    std::string_view name; // e.g. "boltVerdict"
};

// The 17 inputs in design file order, then the 16 results in control order.
std::span<const FieldInfo> inputFieldInfos();
std::span<const FieldInfo> resultFieldInfos();
std::span<const JudgementInfo> judgementInfos();

// The catalogue entry of a field of the record.
const FieldInfo& fieldInfo(TextField field);

} // namespace flange
