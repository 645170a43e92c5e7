#pragma once

// The calculation report: two A4 portrait pages reproducing the calculation sheet of one joint
// design. Page 1 carries the title, reference figure 1 and sections A (bolts) and B (flange plate);
// page 2 reference figure 2 and sections C (rib plates) and D (welds). Each value line holds up to
// four items: a caption, a formula picture, the field's text and a unit, remark or judgement.

#include "calc/design_record.h"
#include "report/print_job.h"

namespace flange {

// The face every text of the report is set in.
inline constexpr std::string_view reportFace = "ＭＳ ゴシック";

// Draws both pages on `job`, which is set up for A4 portrait, with the record's texts exactly as
// they stand: an empty field prints nothing, a hidden judgement prints its last text. It only
// draws (fonts, positions, texts, lines, pictures and the one page break); it does not end the
// document. Returns false at the first operation of the job that fails, drawing nothing after it.
bool printCalculationReport(PrintJob& job, const DesignRecord& record);

} // namespace flange
