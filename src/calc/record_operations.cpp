#include "calc/record_operations.h"

#include "calc/bolt_size_table.h"

#include <algorithm>
#include <cmath>

namespace flange {

std::optional<double> readNumber(const DesignRecord& record, TextField field)
{
    return parseNumber(record.*field);
}

std::optional<double> writeResult(DesignRecord& record, TextField field,
                                  std::optional<double> value, NumberPattern pattern)
{
    const auto rounded = value ? roundToPattern(*value, pattern) : std::nullopt;
    if (!rounded) {
        (record.*field).clear();
        return std::nullopt;
    }
    record.*field = rounded->text;
    return rounded->value;
}

Judgement judgeRatio(const DesignRecord& record, TextField ratioField)
{
    const auto ratio = readNumber(record, ratioField);
    // A negative ratio comes only from inputs no joint can have (a negative allowable stress, for
    // one): it passes no check.
    return (ratio && *ratio >= 0.0 && *ratio < 1.0) ? Judgement::Ok : Judgement::Ng;
}

void writeRatioJudgement(DesignRecord& record, JudgementField field, Judgement judgement)
{
    (record.*field).text = std::string(judgement == Judgement::Ok ? ratioOkText : ratioNgText);
}

void selectBoltSize(DesignRecord& record, int index)
{
    if (index < 0 || index >= static_cast<int>(boltSizeTable.size()))
        return;
    record.boltArea = std::string(boltSizeTable[static_cast<std::size_t>(index)].areaText);
}

bool missingInputCheck(const DesignRecord& record, std::span<const TextField> fields)
{
    return std::ranges::any_of(fields, [&](TextField f) { return (record.*f).empty(); });
}

} // namespace flange
