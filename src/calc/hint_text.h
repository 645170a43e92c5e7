#pragma once

// Helpers for writing hint messages: field texts and computed numbers as a message quotes them.

#include "calc/design_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace flange::hint_text {

// A field's text without the blanks around it, as the message quotes it.
std::string quoted(const DesignRecord& record, TextField field);

// A computed value with at most `decimals` decimals and no trailing zeros ("24.33", "2.7", "3").
std::string number(double value, int decimals = 3);

// The name of an input in a sentence: its caption without the unit in front, the "※" marks and
// any explanation in brackets behind ("(cm)溶接長 (h1－スカラップ半径)" gives "溶接長").
std::string nameOf(TextField field);

} // namespace flange::hint_text
