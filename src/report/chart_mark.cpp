#include "report/chart_mark.h"

#include "assets/chart_axes.h"
#include "calc/alpha0_chart.h"
#include "report/calculation_report.h"

#include <cmath>
#include <numbers>
#include <string>

namespace flange {

namespace {

constexpr int dotRadiusTwips = 45;
constexpr int dashTwips = 60;
constexpr int dashGapTwips = 40;
constexpr int textGapTwips = 90;
constexpr int textPaddingTwips = 30;

TwipPoint rounded(double x, double y)
{
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

// The width of a text in the report's fixed-pitch face: ASCII takes half a cell, the rest a cell.
int textWidthTwips(std::string_view utf8, int points)
{
    int width = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0) == 0x80)
            continue;
        width += byte < 0x80 ? points * 10 : points * 20;
    }
    return width;
}

class MarkDrawer {
public:
    explicit MarkDrawer(PrintJob& job) : job_(job) {}

    // A dashed line as the window draws it, in short strokes from `from` towards `to`: from an
    // axis, so that it starts on the axis and any shortfall is under the dot.
    bool dashed(TwipPoint from, TwipPoint to)
    {
        const double dx = to.x - from.x;
        const double dy = to.y - from.y;
        const double length = std::hypot(dx, dy);
        for (double at = 0.0; at < length; at += dashTwips + dashGapTwips) {
            const double end = std::min(at + dashTwips, length);
            if (!job_.drawLine(rounded(from.x + dx * at / length, from.y + dy * at / length),
                               rounded(from.x + dx * end / length, from.y + dy * end / length)))
                return false;
        }
        return true;
    }

    // A filled dot, drawn as diameters close enough to cover it.
    bool dot(TwipPoint centre)
    {
        constexpr int strokes = 12;
        for (int i = 0; i < strokes; ++i) {
            const double angle = std::numbers::pi * i / strokes;
            const double dx = dotRadiusTwips * std::cos(angle);
            const double dy = dotRadiusTwips * std::sin(angle);
            if (!job_.drawLine(rounded(centre.x - dx, centre.y - dy),
                               rounded(centre.x + dx, centre.y + dy)))
                return false;
        }
        return true;
    }

    bool box(TwipPoint topLeft, TwipPoint bottomRight)
    {
        const TwipPoint topRight{bottomRight.x, topLeft.y};
        const TwipPoint bottomLeft{topLeft.x, bottomRight.y};
        return job_.drawLine(topLeft, topRight) && job_.drawLine(topRight, bottomRight)
               && job_.drawLine(bottomLeft, bottomRight) && job_.drawLine(topLeft, bottomLeft);
    }

private:
    PrintJob& job_;
};

} // namespace

bool drawChartMark(PrintJob& job, const DesignRecord& record, TwipPoint figureAt, int points)
{
    const std::string& shown = record.edgeRatio;
    const auto reading = readAlpha0Chart(shown);
    const ChartAxes axes = referenceFigure2Axes();
    const auto point = reading ? axes.pointAt(reading->edgeRatio, reading->alpha0) : std::nullopt;
    if (!point)
        return true;
    const TwipPoint dot = rounded(figureAt.x + point->x(), figureAt.y + point->y());
    const TwipPoint onRatioAxis = rounded(dot.x, figureAt.y + axes.yZero);
    const TwipPoint onMomentAxis = rounded(figureAt.x + axes.xLeftEnd, dot.y);

    // The reading above and to the right of the dot, or to its left where it would pass the
    // chart's right edge.
    const std::string text = chartReadingText(shown, reading->alpha0);
    const int width = textWidthTwips(text, points) + 2 * textPaddingTwips;
    const int height = points * 20 + textPaddingTwips;
    int left = dot.x + textGapTwips;
    if (left + width > figureAt.x + axes.xRightEnd)
        left = dot.x - textGapTwips - width;
    const int top = dot.y - textGapTwips - height;

    MarkDrawer draw(job);
    return draw.dashed(onRatioAxis, dot) && draw.dashed(onMomentAxis, dot) && draw.dot(dot)
           && draw.box({left, top}, {left + width, top + height}) && job.setFont(reportFace, points)
           && job.setPosition({left + textPaddingTwips, top + textPaddingTwips / 2})
           && job.printText(text);
}

} // namespace flange
