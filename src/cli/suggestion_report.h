#pragma once

// The design assistant's proposals for a walked design (suggest/suggestions.h) as the checker
// prints them with --suggest. They never change a design's outcome or the exit status.

#include "cli/json_text.h"
#include "suggest/suggestions.h"

#include <QByteArray>

#include <vector>

namespace flange {

// "［修正案］" and one indented line per suggestion, control characters made visible; nothing when
// there is no suggestion.
void appendPlainSuggestions(QByteArray& out, const std::vector<Suggestion>& suggestions,
                            const DesignRecord& record);

// "suggestions": [{"alpha0": {"from": ..., "to": ...}, "field": "boltCount", "from": "8",
// "judgement": "ok", "kind": "passes", "message": ..., "results": {"boltRatio": "0.986", ...},
// "step": "A", "to": "9"}, ...]: members in name order; "alpha0" only when the change also takes
// the chart's α0; kind "passes", "not-found" (to and judgement null, results empty) or
// "chart-alpha0".
void writeJsonSuggestions(JsonText& json, const std::vector<Suggestion>& suggestions,
                          const DesignRecord& record);

} // namespace flange
