#pragma once

// The values a search of the design assistant tries for one input, smallest first: every value
// above the current one and no more than three times it (and no more than an upper limit where
// the joint sets one), on a grid of steps or from a list of standard sizes. Each is written as an
// engineer would type it.

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace flange {

// Standard steel plate thicknesses [cm], as flange plates and rib plates are ordered.
std::span<const double> standardPlateThicknesses();

struct CandidateValue {
    double value = 0.0;
    std::string text; // as typed: no trailing zeros ("30.5", "9", "1.6")
};

// The multiples of `step` above `current`, up to three times `current` and up to `limit`, at most
// a thousand of them. Nothing for a current value that is not positive.
std::vector<CandidateValue> gridCandidates(double current, double step,
                                           std::optional<double> limit = std::nullopt);

// The standard plate thicknesses above `current`, up to three times it.
std::vector<CandidateValue> standardThicknessCandidates(double current);

} // namespace flange
