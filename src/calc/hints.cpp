#include "calc/hints.h"

#include "calc/alpha0_chart.h"
#include "calc/field_catalog.h"
#include "calc/geometry_hints.h"
#include "calc/hint_text.h"
#include "calc/number_text.h"
#include "calc/record_operations.h"

#include <algorithm>
#include <iterator>

namespace flange {

namespace {

using R = DesignRecord;

void addUnreadableNumbers(const DesignRecord& record, std::vector<Hint>& hints)
{
    for (const FieldInfo& input : inputFieldInfos()) {
        const std::string& text = record.*input.field;
        if (!input.number || text.empty() || parseNumber(text))
            continue;
        hints.push_back({HintKind::UnreadableNumber,
                         {input.field},
                         "「" + text + "」は数値として読めません。",
                         std::nullopt});
    }
}

} // namespace

// The chart hint of a computed edge ratio: outside the chart, or α0 typed below it.
std::optional<Hint> findChartHint(const DesignRecord& record)
{
    const auto ratio = readNumber(record, &R::edgeRatio);
    if (!ratio)
        return std::nullopt;
    const std::string shownRatio = hint_text::quoted(record, &R::edgeRatio);
    const auto reading = readAlpha0Chart(record.edgeRatio);
    if (!reading)
        return Hint{.kind = HintKind::RatioOutsideChart,
                    .fields = {&R::alpha0, &R::edgeRatio},
                    .message = "Ly/Lx＝" + shownRatio + " は図－２の範囲（"
                               + hint_text::number(chartRatioMin) + "～"
                               + hint_text::number(chartRatioMax)
                               + "）の外にあり、α0 を図から読めません。",
                    .chart = std::nullopt};

    // The chart's value as the message quotes it, and as the engineer compares it.
    const auto chart = shownChartAlpha0(reading->alpha0);
    const auto alpha0 = readNumber(record, &R::alpha0);
    if (!chart || !alpha0 || chart->value - *alpha0 <= alpha0Allowance + 1e-9)
        return std::nullopt;
    return Hint{.kind = HintKind::Alpha0BelowChart,
                .fields = {&R::alpha0, &R::edgeRatio},
                .message = "図－２では Ly/Lx＝" + shownRatio + " のとき α0≈" + chart->text
                           + " です（入力 " + hint_text::quoted(record, &R::alpha0)
                           + "）。α0 が小さいと M0 とプレート厚さを小さく見積もります。",
                .chart = chart->value};
}

std::vector<Hint> findInputHints(const DesignRecord& record)
{
    std::vector<Hint> hints;
    addUnreadableNumbers(record, hints);
    addGeometryHints(record, hints);
    return hints;
}

std::vector<Hint> findHints(const DesignRecord& record)
{
    std::vector<Hint> hints;
    if (auto chart = findChartHint(record))
        hints.push_back(std::move(*chart));
    std::ranges::move(findInputHints(record), std::back_inserter(hints));
    return hints;
}

std::string_view hintKindName(HintKind kind)
{
    switch (kind) {
    case HintKind::Alpha0BelowChart: return "alpha0-below-chart";
    case HintKind::RatioOutsideChart: return "ratio-outside-chart";
    case HintKind::UnreadableNumber: return "unreadable-number";
    case HintKind::Geometry: return "geometry";
    case HintKind::UnreadableField: return "unreadable-field";
    case HintKind::FileForm: return "file-form";
    }
    return "geometry";
}

} // namespace flange
