#pragma once

// What the command-line checker prints about a walk: a plain listing for people, or JSON for
// scripts.

#include "cli/design_walk.h"

#include <QByteArray>

#include <string_view>

namespace flange {

// "A", "B-shape", "B-thickness", "C" or "D".
std::string_view stepName(Step step);
// "ok", "ng" or "missing-input".
std::string_view statusName(WalkStatus status);

// One line per input, result and judgement: the caption, the text and the unit; the hints, if any
// (hint_report.h); then where the walk stopped and why. UTF-8.
QByteArray plainReport(const WalkResult& walk);

// {"step": ..., "status": ..., "fields": {<33 texts by record field name>},
//  "verdicts": {"boltVerdict": {"text": ..., "shown": ...}, ...}, "hints": [...]}. UTF-8.
QByteArray jsonReport(const WalkResult& walk);

} // namespace flange
