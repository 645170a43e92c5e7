#include "report/report_fit.h"

#include "calc/field_catalog.h"
#include "report/calculation_report.h"
#include "report/report_layout.h"

namespace flange {

namespace {

// Half-width cells of a UTF-8 text in the report's fixed-pitch gothic: one for ASCII and the
// half-width katakana (U+FF61 to U+FF9F), two for every other character.
int cellsOf(std::string_view utf8)
{
    int cells = 0;
    const auto byte = [&](std::size_t i) {
        return i < utf8.size() ? static_cast<unsigned char>(utf8[i]) : 0u;
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned c = byte(i);
        if (c < 0x80) {
            ++cells;
        } else if (c >= 0xC0) { // the first byte of a character; the others add nothing
            // U+FF61 to U+FF9F: EF BD A1 to EF BE 9F.
            const bool halfWidth = c == 0xEF
                                   && ((byte(i + 1) == 0xBD && byte(i + 2) >= 0xA1)
                                       || (byte(i + 1) == 0xBE && byte(i + 2) <= 0x9F));
            cells += halfWidth ? 1 : 2;
        }
    }
    return cells;
}

bool fits(const ReportLine& line, const std::string& text)
{
    const int end = line.judgement || !line.unit.empty() ? line.unitX : reportFrameRightX;
    return line.valueX + cellsOf(text) * reportHalfWidthCellTwips <= end;
}

} // namespace

std::optional<TextField> fieldTooWideForReport(const DesignRecord& record)
{
    for (const auto section :
         {boltSectionLines(), plateSectionLines(), ribSectionLines(), weldSectionLines()})
        for (const ReportLine& line : section)
            if (line.value && !fits(line, record.*line.value))
                return line.value;
    return std::nullopt;
}

QString tooWideForReportReason(TextField field)
{
    const std::string_view caption = fieldInfo(field).caption;
    return QStringLiteral("「%1」の値が長すぎて、計算書の欄に収まりません")
        .arg(QString::fromUtf8(caption));
}

} // namespace flange
