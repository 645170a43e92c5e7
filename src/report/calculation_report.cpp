#include "report/calculation_report.h"

#include "report/chart_mark.h"
#include "report/report_fit.h"
#include "report/report_layout.h"

namespace flange {

namespace {

// The page frame, drawn on both pages as four lines in this order.
constexpr TwipPoint frameTopLeft{500, 400};
constexpr TwipPoint frameTopRight{reportFrameRightX, 400};
constexpr TwipPoint frameBottomRight{reportFrameRightX, 16000};
constexpr TwipPoint frameBottomLeft{500, 16000};

constexpr int titlePoints = 17;
constexpr int headingPoints = 14;
constexpr int bodyPoints = reportBodyPoints;
constexpr int markPoints = 8;

// Reference figure 2 on page 2, with the design's reading marked on it.
constexpr TwipPoint figure2At{3000, 600};

// Draws through the job, one step at a time; each step tells whether the job accepted it.
class ReportDrawer {
public:
    ReportDrawer(PrintJob& job, const DesignRecord& record) : job_(job), record_(record) {}

    bool font(int points) { return job_.setFont(reportFace, points); }

    bool text(TwipPoint at, std::string_view text)
    {
        return job_.setPosition(at) && job_.printText(text);
    }

    bool picture(std::string_view name, TwipPoint at) { return job_.drawPicture(name, at); }

    bool chartMark(TwipPoint figureAt)
    {
        return drawChartMark(job_, record_, figureAt, markPoints);
    }

    bool frame()
    {
        return job_.drawLine(frameTopLeft, frameTopRight)
               && job_.drawLine(frameTopRight, frameBottomRight)
               && job_.drawLine(frameBottomLeft, frameBottomRight)
               && job_.drawLine(frameBottomLeft, frameTopLeft);
    }

    bool lines(std::span<const ReportLine> lines)
    {
        for (const ReportLine& line : lines) {
            if (!this->line(line))
                return false;
        }
        return true;
    }

private:
    // Left to right: caption, picture, value, then unit or judgement.
    bool line(const ReportLine& line)
    {
        if (!line.caption.empty() && !text({line.captionX, line.y}, line.caption))
            return false;
        if (!line.picture.empty() && !picture(line.picture, line.pictureAt))
            return false;
        if (line.value && !text({line.valueX, line.y}, record_.*line.value))
            return false;
        if (line.judgement)
            return text({line.unitX, line.y}, (record_.*line.judgement).text);
        return line.unit.empty() || text({line.unitX, line.y}, line.unit);
    }

    PrintJob& job_;
    const DesignRecord& record_;
};

bool drawFirstPage(ReportDrawer& draw)
{
    return draw.font(titlePoints) && draw.text({4000, 500}, "丸型鋼管接合部の処理") && draw.frame()
           && draw.font(headingPoints) && draw.text({1600, 5000}, "Ａ.ボルトの算定")
           && draw.picture("Image18", {1300, 1300}) && draw.font(bodyPoints)
           && draw.lines(boltSectionLines()) && draw.font(headingPoints)
           && draw.text({1600, 10000}, "Ｂ.フランジプレート") && draw.font(bodyPoints)
           && draw.lines(plateSectionLines()) &&
           // The small "0" after the "t" of the thickness judgement makes it read t0, the assumed
           // thickness; "(仮定)" (assumed) sits below it.
           draw.font(markPoints) && draw.text({9800, 14970}, "0")
           && draw.text({9350, 15200}, "(仮定)");
}

bool drawSecondPage(ReportDrawer& draw)
{
    return draw.frame() && draw.font(headingPoints) && draw.text({1600, 9500}, "Ｃ.リブプレート")
           && draw.picture("Image19", figure2At) && draw.chartMark(figure2At)
           && draw.font(bodyPoints) && draw.lines(ribSectionLines()) && draw.font(headingPoints)
           && draw.text({1600, 12800}, "Ｄ.溶接") && draw.font(bodyPoints)
           && draw.lines(weldSectionLines());
}

} // namespace

bool printCalculationReport(PrintJob& job, const DesignRecord& record)
{
    if (fieldTooWideForReport(record))
        return false;
    ReportDrawer draw(job, record);
    return drawFirstPage(draw) && job.newPage() && drawSecondPage(draw);
}

} // namespace flange
