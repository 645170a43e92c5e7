#pragma once

// The hints of a walked design (calc/hints.h) as the checker prints them. They never change a
// design's outcome; only --strict makes a run whose designs all pass but raised hints end with its
// own exit status.

#include "calc/hints.h"
#include "cli/json_text.h"

#include <QByteArray>

#include <vector>

namespace flange {

// "［注意］" and one indented line per hint, control characters made visible; nothing when there
// is no hint.
void appendPlainHints(QByteArray& out, const std::vector<Hint>& hints);

// "hints": [{"chart": 0.150, "fields": ["alpha0", "edgeRatio"], "kind": "alpha0-below-chart",
// "message": ...}, ...]: members in name order, "chart" only on the α0 hint, written with the
// three decimals the message quotes.
void writeJsonHints(JsonText& json, const std::vector<Hint>& hints);

} // namespace flange
