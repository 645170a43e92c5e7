#pragma once

// The five steps of the design check, in their fixed order: A bolts, B plate shape, B plate
// thickness, C ribs, D welds. Each input belongs to the step whose page edits it, and each step has
// its calculate action.

#include <array>
#include <cstddef>
#include <string_view>

namespace flange {

enum class Step { A, BShape, BThickness, C, D };

inline constexpr std::array<Step, 5> allSteps{Step::A, Step::BShape, Step::BThickness, Step::C,
                                              Step::D};

inline constexpr std::size_t stepIndex(Step step) { return static_cast<std::size_t>(step); }

// The heading of the section a step checks, as the results pane, the report and the checker write
// it: both plate steps stand under "Ｂ.フランジプレート".
constexpr std::string_view sectionHeading(Step step)
{
    switch (step) {
    case Step::A: return "Ａ.ボルトの算定";
    case Step::BShape:
    case Step::BThickness: return "Ｂ.フランジプレート";
    case Step::C: return "Ｃ.リブプレート";
    case Step::D: return "Ｄ.溶接";
    }
    return {};
}

} // namespace flange
