#pragma once

// Hints: what an experienced checker would remark on at a glance, found in the design record
// without changing it. The checks judge what was typed; the hints point at what was probably
// typed wrong:
//
// - α0 below the chart: the edge ratio has been computed, lies on reference figure 2, and the
//   typed α0 is more than 0.005 below the value the computed curve gives there (to three
//   decimals). A low α0 understates M0 and the required plate thickness. An α0 above the chart
//   is on the safe side and raises nothing.
// - Ratio outside the chart: the computed edge ratio lies outside 0.5 to 4.0, where α0 cannot be
//   read off the chart.
// - Unreadable number: a numeric input whose text is not empty and is not a number (parseNumber).
//   The missing-input check lets it pass; the results that need it stay empty.
// - Geometry: a joint that cannot be built (bolt holes cutting into the pipe or past the flange
//   edge, overlapping holes, a weld longer than its rib, a fillet thicker than the rib, a bolt
//   count that is not a whole number of at least 1, a length, area, thickness or allowable stress
//   that is not positive). Design-code limits such as minimum pitches are not hints.
//
// Hints never change a result, a judgement, a gate, a saved file or the report.

#include "calc/design_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flange {

// UnreadableField and FileForm are not found in the record: reading a design file raises them
// (io/reading_hints.h).
enum class HintKind {
    Alpha0BelowChart,
    RatioOutsideChart,
    UnreadableNumber,
    Geometry,
    UnreadableField,
    FileForm,
};

struct Hint {
    HintKind kind;
    std::vector<TextField> fields; // the fields it concerns, the first being the one to correct
    std::string message;           // Japanese, quoting the numbers
    std::optional<double> chart;   // α0 below the chart: the chart's value, to three decimals
};

// How much lower than the chart's value a typed α0 may be before it raises a hint.
inline constexpr double alpha0Allowance = 0.005;

// The hints of a record, in this order: the chart hint (at most one), the unreadable numbers in
// design file order, then the geometry hints.
std::vector<Hint> findHints(const DesignRecord& record);

// The chart hint of a record alone (α0 below the chart, or the ratio outside it), and the other
// hints alone, in the order of findHints.
std::optional<Hint> findChartHint(const DesignRecord& record);
std::vector<Hint> findInputHints(const DesignRecord& record);

// The kind as the checker's JSON output names it, e.g. "alpha0-below-chart".
std::string_view hintKindName(HintKind kind);

} // namespace flange
