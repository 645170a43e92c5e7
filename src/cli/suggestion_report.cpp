#include "cli/suggestion_report.h"

#include "calc/field_catalog.h"
#include "cli/shown_text.h"
#include "cli/walk_report.h"
#include "suggest/suggestion_text.h"

#include <algorithm>
#include <optional>

namespace flange {

namespace {

std::string_view kindName(SuggestionKind kind)
{
    switch (kind) {
    case SuggestionKind::Passes: return "passes";
    case SuggestionKind::NotFound: return "not-found";
    case SuggestionKind::ChartAlpha0: return "chart-alpha0";
    }
    return {};
}

// A not-found entry has neither a value nor a judgement.
void textOrNull(JsonText& json, std::string_view key, std::optional<std::string_view> text)
{
    if (text)
        json.member(key, *text);
    else
        json.numberMember(key, "null");
}

} // namespace

void appendPlainSuggestions(QByteArray& out, const std::vector<Suggestion>& suggestions,
                            const DesignRecord& record)
{
    if (suggestions.empty())
        return;
    out += "［修正案］\n";
    for (const Suggestion& suggestion : suggestions) {
        out += "  ";
        appendWithVisibleControls(out, suggestionText(suggestion, record));
        out += '\n';
    }
}

void writeJsonSuggestions(JsonText& json, const std::vector<Suggestion>& suggestions,
                          const DesignRecord& record)
{
    json.beginArray("suggestions");
    for (const Suggestion& suggestion : suggestions) {
        const bool found = suggestion.kind != SuggestionKind::NotFound;
        json.beginObject();
        if (suggestion.alpha0) {
            json.beginObject("alpha0");
            json.member("from", suggestion.alpha0->from);
            json.member("to", suggestion.alpha0->to);
            json.endObject();
        }
        json.member("field", fieldInfo(suggestion.change.field).name);
        json.member("from", suggestion.change.from);
        const std::string_view judgement = suggestion.judgement == Judgement::Ok ? "ok" : "ng";
        textOrNull(json, "judgement", found ? std::optional(judgement) : std::nullopt);
        json.member("kind", kindName(suggestion.kind));
        json.member("message", suggestionText(suggestion, record));
        auto results = suggestion.results;
        std::ranges::sort(results, {},
                          [](const auto& result) { return fieldInfo(result.first).name; });
        json.beginObject("results");
        for (const auto& [field, text] : results)
            json.member(fieldInfo(field).name, text);
        json.endObject();
        json.member("step", stepName(suggestion.step));
        textOrNull(json, "to",
                   found ? std::optional<std::string_view>(suggestion.change.to) : std::nullopt);
        json.endObject();
    }
    json.endArray();
}

} // namespace flange
