#pragma once

// Whether the record's texts fit their places on the calculation report. A text is never wrapped
// or clipped on the page, so one too wide for its place would run into the unit or judgement
// beside it, or past the page's edge, where a 39-digit thickness reads as one ten orders smaller.
// Such a report is refused, and the engineer is told which field it is.

#include "calc/design_record.h"

#include <QString>

#include <optional>

namespace flange {

// The first field, in the order the report prints them, whose text is wider than its place: from
// its x to the unit or judgement that follows it on its line, or to the page frame's right edge.
// Nothing when every text fits.
std::optional<TextField> fieldTooWideForReport(const DesignRecord& record);

// Why the report of such a record is not printed, naming the field as the engineer knows it.
QString tooWideForReportReason(TextField field);

} // namespace flange
