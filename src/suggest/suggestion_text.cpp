#include "suggest/suggestion_text.h"

#include "calc/field_catalog.h"
#include "calc/hint_text.h"

namespace flange {

namespace {

using R = DesignRecord;

std::string withUnit(const std::string& text, TextField field)
{
    const std::string_view unit = fieldInfo(field).unit;
    return unit.empty() ? text : text + " " + std::string(unit);
}

std::string judgementText(std::optional<Judgement> judgement)
{
    return judgement == Judgement::Ok ? "ＯＫ" : "ＮＧ";
}

std::string changeText(const InputChange& change)
{
    return hint_text::nameOf(change.field) + "を " + change.from + " から "
           + withUnit(change.to, change.field) + " に";
}

} // namespace

std::string suggestionText(const Suggestion& suggestion, const DesignRecord& record)
{
    const InputChange& change = suggestion.change;
    switch (suggestion.kind) {
    case SuggestionKind::NotFound:
        return hint_text::nameOf(change.field) + "（" + withUnit(change.from, change.field) + "）："
               + std::string(notFoundText);
    case SuggestionKind::ChartAlpha0: {
        const std::string& thickness = suggestion.results.back().second;
        return "図－２の α0＝" + change.to + " なら t＝" + thickness + " cm（仮定 "
               + hint_text::quoted(record, &R::flangeThickness) + " cm で "
               + judgementText(suggestion.judgement) + "）";
    }
    case SuggestionKind::Passes: break;
    }
    std::string text = changeText(change);
    if (suggestion.alpha0)
        text += "（α0 は図－２から " + suggestion.alpha0->to + " に）";
    text += "：";
    bool first = true;
    for (const auto& [field, value] : suggestion.results) {
        if (!first)
            text += "、";
        first = false;
        text += std::string(fieldInfo(field).caption) + "＝" + withUnit(value, field);
    }
    return text + " で " + judgementText(suggestion.judgement);
}

} // namespace flange
