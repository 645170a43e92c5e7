#include "suggest/candidate_values.h"

#include "calc/hint_text.h"

#include <array>
#include <cmath>

namespace flange {

namespace {

constexpr std::array<double, 24> plateThicknesses{0.6, 0.8, 0.9, 1.0, 1.2, 1.4, 1.6, 1.9,
                                                  2.2, 2.5, 2.8, 3.2, 3.6, 4.0, 4.5, 5.0,
                                                  5.5, 6.0, 6.5, 7.0, 7.5, 8.0, 9.0, 10.0};

// Typed decimals compared with computed multiples: "equal" allows for binary rounding.
constexpr double tolerance = 1e-9;

// A search tries at most this many values: far more than any joint's range in the steps used, and
// a bound on the time a design with an absurd input can take.
constexpr int maxCandidates = 1000;

bool within(double value, double bound) { return value <= bound * (1.0 + tolerance); }

// The decimals a value on the grid needs: 0.5 and 0.1 steps one, 1 cm steps none.
int decimalsOf(double step) { return step < 1.0 ? 1 : 0; }

} // namespace

std::span<const double> standardPlateThicknesses() { return plateThicknesses; }

std::vector<CandidateValue> gridCandidates(double current, double step, std::optional<double> limit)
{
    std::vector<CandidateValue> values;
    if (!(current > 0.0) || current / step > 1e9)
        return values;
    const double bound = limit ? std::min(3.0 * current, *limit) : 3.0 * current;
    const double first = std::floor(current / step * (1.0 + tolerance)) + 1.0;
    for (int i = 0; i < maxCandidates; ++i) {
        const double value = (first + i) * step;
        if (!within(value, bound))
            break;
        values.push_back({value, hint_text::number(value, decimalsOf(step))});
    }
    return values;
}

std::vector<CandidateValue> standardThicknessCandidates(double current)
{
    std::vector<CandidateValue> values;
    if (!(current > 0.0) || !std::isfinite(current))
        return values;
    for (double thickness : plateThicknesses) {
        if (within(thickness, current))
            continue;
        if (!within(thickness, 3.0 * current))
            break;
        values.push_back({thickness, hint_text::number(thickness, 1)});
    }
    return values;
}

} // namespace flange
