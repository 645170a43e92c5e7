#pragma once

// The hints of a walked design (calc/hints.h) as the checker prints them. They never change the
// walk's outcome; only --strict makes a passing run with hints end with its own exit status.

#include "calc/hints.h"

#include <QJsonArray>
#include <QString>

#include <vector>

namespace flange {

// "［注意］" and one indented line per hint; empty when there is none.
QString plainHintSection(const std::vector<Hint>& hints);

// [{"kind": "alpha0-below-chart", "fields": ["alpha0", "edgeRatio"], "message": ..., "chart": 0.15},
//  ...]: the kind's name, the record field names and the message; "chart" only on the α0 hint.
QJsonArray jsonHints(const std::vector<Hint>& hints);

} // namespace flange
