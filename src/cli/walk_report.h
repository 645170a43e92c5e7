#pragma once

// What the command-line checker prints about one walked design: a plain listing for people, or
// JSON and CSV cells for scripts and spreadsheets.

#include "calc/hints.h"
#include "suggest/design_walk.h"
#include "suggest/suggestions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace flange {

// "A", "B-shape", "B-thickness", "C" or "D".
std::string_view stepName(Step step);
// "ok", "ng" or "missing-input".
std::string_view statusName(WalkStatus status);

// The file's heading, then one line per input, result and judgement: the caption, the text (control
// characters made visible) and the unit; the hints given (what reading the file noticed, then the
// record's) under "［注意］", if any; then where the walk
// stopped and why; with suggestions (--suggest), the design assistant's under "［修正案］". UTF-8.
QByteArray plainReport(const QString& file, const WalkResult& walk, const std::vector<Hint>& hints,
                       const std::vector<Suggestion>* suggestions = nullptr);

// {"file": ..., "step": ..., "status": ..., "fields": {<33 texts by record field name>},
//  "verdicts": {"boltVerdict": {"text": ..., "shown": ...}, ...}, "hints": [...] (hint_report.h),
//  with suggestions "suggestions": [...] (suggestion_report.h)}, members in name order, indented
// as QJsonDocument does (standing `level` levels deep, 1 inside an array) or compact on one line.
// And {"file": ..., "error": ...} for a file that could not be read.
struct JsonLayout {
    bool indented = true;
    int level = 0;
};
QByteArray jsonReport(const QString& file, const WalkResult& walk, const std::vector<Hint>& hints,
                      JsonLayout layout, const std::vector<Suggestion>* suggestions = nullptr);
QByteArray jsonError(const QString& file, const QString& error, JsonLayout layout);

// The columns of a design's CSV row: file, step, status, the 16 results by record field name, each
// judgement's text and whether it is shown ("boltVerdict", "boltVerdictShown", ...), and "error"
// (empty for a design that was read).
QStringList csvColumns();
QStringList csvCells(const QString& file, const WalkResult& walk);

} // namespace flange
