#pragma once

// A suggestion of the design assistant as one Japanese sentence, as the checker's listing and the
// "修正案" window show it:
//
//   使用本数を 8 から 9 本に（α0 は図－２から 0.139 に）：ボルト応力度比 σt/(ft0×1.5)＝0.987 で ＯＫ
//   溶接長（10 cm）：この入力だけでは ＯＫ になりません
//   図－２の α0＝0.150 なら t＝1.73 cm（仮定 2.2 cm で ＯＫ）

#include "suggest/suggestions.h"

#include <string>
#include <string_view>

namespace flange {

// What a search says when no value passes.
inline constexpr std::string_view notFoundText = "この入力だけでは ＯＫ になりません";

// The sentence; the record supplies the assumed thickness the chart's α0 is compared with.
std::string suggestionText(const Suggestion& suggestion, const DesignRecord& record);

} // namespace flange
