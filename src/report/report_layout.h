#pragma once

// The fixed layout of the calculation report: the value lines of its four sections, each item at
// its own position in twips from the top-left corner of the printable area.

#include "calc/design_record.h"
#include "report/print_job.h"

#include <span>
#include <string_view>

namespace flange {

// One line of the report. Every item is optional; the texts of a line share its y.
struct ReportLine {
    int y = 0;
    std::string_view caption; // fixed caption, at captionX
    int captionX = 0;
    std::string_view picture; // formula picture, at pictureAt
    TwipPoint pictureAt;
    TextField value = nullptr; // the record's text, at valueX
    int valueX = 0;
    std::string_view unit; // unit or remark, at unitX ...
    int unitX = 0;
    JudgementField judgement = nullptr; // ... or a judgement's text there instead
};

std::span<const ReportLine> boltSectionLines();  // section A, page 1
std::span<const ReportLine> plateSectionLines(); // section B, page 1
std::span<const ReportLine> ribSectionLines();   // section C, page 2
std::span<const ReportLine> weldSectionLines();  // section D, page 2

} // namespace flange
