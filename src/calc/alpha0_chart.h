#pragma once

// Reference figure 2 as the program reads it: α0, the moment coefficient at the ends of the free
// edge of a plate fixed on three edges, over the edge ratio Ly/Lx. The curve is the computed one
// stored with the program (assets/data/plate-coefficients.csv, compiled in), the same that the
// chart pictures are drawn from. The window marks its reading on the chart, the hints compare the
// typed α0 with it and the checker reports it.

#include "calc/sampled_curve.h"

#include <optional>
#include <string>
#include <string_view>

namespace flange {

// The edge ratios the chart covers; the stored curve spans exactly this range.
inline constexpr double chartRatioMin = 0.5;
inline constexpr double chartRatioMax = 4.0;

// The stored α0 curve, read once.
const SampledCurve& storedAlpha0Curve();

struct Alpha0Reading {
    double edgeRatio = 0.0; // Ly/Lx as read from its text
    double alpha0 = 0.0;    // the curve's value there, unrounded
};

// The chart read at an edge ratio text as the results show it ("1.25"): nothing for a text that
// is not a number (parseNumber) or a ratio outside the curve.
std::optional<Alpha0Reading> readAlpha0Chart(std::string_view edgeRatioText,
                                             const SampledCurve& curve = storedAlpha0Curve());

// The chart's α0 as every reading quotes it: to three decimals ("0.150").
std::string chartAlpha0Text(double alpha0);

// The reading as the chart's mark writes it beside its dot, in the window and on the report:
// "λ＝1.25 → α0≈0.150", the edge ratio as the results show it.
std::string chartReadingText(std::string_view shownEdgeRatio, double alpha0);

} // namespace flange
