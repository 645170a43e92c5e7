#pragma once

// Reference figure 2 on the report's second page marked as the window's figure 2 marks it: a dot
// on the α0 curve at the design's edge ratio, dashed lines from it to both axes and the reading
// beside it ("λ＝1.25 → α0≈0.150"), so that a reviewer of the paper sees where α0 should have
// been read. In black, drawn with the page model's lines and texts.

#include "calc/design_record.h"
#include "report/print_job.h"

namespace flange {

// Draws the mark over the figure drawn with its top-left at `figureAt`, in the report's face at
// `points`; draws nothing for an edge ratio that is not a number or lies off the chart. False at
// the first operation the job refuses.
bool drawChartMark(PrintJob& job, const DesignRecord& record, TwipPoint figureAt, int points);

} // namespace flange
