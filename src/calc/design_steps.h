#pragma once

// The five steps of the design check, in their fixed order: A bolts, B plate shape, B plate
// thickness, C ribs, D welds. Each input belongs to the step whose page edits it, and each step has
// its calculate action.

#include <array>
#include <cstddef>

namespace flange {

enum class Step { A, BShape, BThickness, C, D };

inline constexpr std::array<Step, 5> allSteps{Step::A, Step::BShape, Step::BThickness, Step::C,
                                              Step::D};

inline constexpr std::size_t stepIndex(Step step) { return static_cast<std::size_t>(step); }

} // namespace flange
