#pragma once

// The texts that name the steps and the engineer's way through them, as the main window shows
// them and the checker's listing and help quote them: written here once.

#include "calc/design_steps.h"

#include <string>
#include <string_view>

namespace flange {

// The step page's buttons.
inline constexpr std::string_view calculateCaption = "計　　算";
inline constexpr std::string_view nextCaption = "next >>";
inline constexpr std::string_view backCaption = "<< back";

// What a calculate action says when an input it needs is empty, and the title it says it under.
inline constexpr std::string_view missingInputTitle = "入力データ確認";
inline constexpr std::string_view missingInputText = "数値が入力されていません。";

// The step's section heading, the two plate steps told apart by what they check:
// "Ｂ.フランジプレート（形状）", "Ｂ.フランジプレート（板厚）".
inline std::string stepHeading(Step step)
{
    std::string heading(sectionHeading(step));
    if (step == Step::BShape)
        heading += "（形状）";
    else if (step == Step::BThickness)
        heading += "（板厚）";
    return heading;
}

} // namespace flange
