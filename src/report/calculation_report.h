#pragma once

// The calculation report: two A4 portrait pages reproducing the calculation sheet of one joint
// design. Page 1 carries the title, reference figure 1 and sections A (bolts) and B (flange plate);
// page 2 reference figure 2, marked at the design's edge ratio (report/chart_mark.h), and sections C
// (rib plates) and D (welds). Each value line holds up to
// four items: a caption, a formula picture, the field's text and a unit, remark or judgement.

#include "assets/gothic_faces.h"
#include "calc/design_record.h"
#include "report/print_job.h"

namespace flange {

// The report's title, on its first page and as the document's name.
inline constexpr std::string_view reportTitle = "丸型鋼管接合部の処理";

// The face every text of the report is set in.
inline constexpr std::string_view reportFace = preferredGothicFace;

// The size of the value lines' texts, and the advance of a half-width character in it (the face is
// fixed-pitch: half a point size, at 20 twips a point).
inline constexpr int reportBodyPoints = 12;
inline constexpr int reportHalfWidthCellTwips = reportBodyPoints * 20 / 2;

// The right edge of the page frame; no text of the report goes past it.
inline constexpr int reportFrameRightX = 11050;

// Draws both pages on `job`, which is set up for A4 portrait, with the record's texts exactly as
// they stand: an empty field prints nothing, a hidden judgement prints its last text. It only
// draws (fonts, positions, texts, lines, pictures and the one page break); it does not end the
// document. Returns false at the first operation of the job that fails, drawing nothing after it,
// and draws nothing at all when a text is too wide for its place (see report/report_fit.h).
bool printCalculationReport(PrintJob& job, const DesignRecord& record);

} // namespace flange
