#include "suggest/suggestions.h"

#include "calc/alpha0_chart.h"
#include "calc/bolt_size_table.h"
#include "calc/hints.h"
#include "calc/number_text.h"
#include "flow/step.h"
#include "suggest/candidate_values.h"

#include <algorithm>
#include <functional>

namespace flange {

namespace {

using R = DesignRecord;

std::size_t inputIndex(TextField field)
{
    return static_cast<std::size_t>(std::ranges::find(inputFieldsInFileOrder, field)
                                    - inputFieldsInFileOrder.begin());
}

std::string& inputText(DesignInputs& inputs, TextField field) { return inputs[inputIndex(field)]; }
const std::string& inputText(const DesignInputs& inputs, TextField field)
{
    return inputs[inputIndex(field)];
}

// A geometry hint is known by the fields it concerns: its message quotes the changed numbers.
using GeometryHints = std::vector<std::vector<TextField>>;

GeometryHints geometryHintsOf(const std::vector<Hint>& hints)
{
    GeometryHints found;
    for (const Hint& hint : hints) {
        if (hint.kind == HintKind::Geometry)
            found.push_back(hint.fields);
    }
    return found;
}

bool movesEdgeRatio(TextField field)
{
    return field == &R::boltCount || field == &R::boltCircleDiameter;
}

// The chart's α0 at an edge ratio text, as the hint quotes it ("0.150").
std::optional<std::string> chartAlpha0At(const std::string& edgeRatio)
{
    const auto reading = readAlpha0Chart(edgeRatio);
    return reading ? std::optional(chartAlpha0Text(reading->alpha0)) : std::nullopt;
}

// The results a suggestion quotes: the edge ratio when α0 was read again at it, then the headline
// result of the step it mends.
std::vector<std::pair<TextField, std::string>> quotedResults(const DesignRecord& record, Step step,
                                                             const std::string& newEdgeRatio)
{
    std::vector<std::pair<TextField, std::string>> results;
    if (!newEdgeRatio.empty())
        results.emplace_back(&R::edgeRatio, newEdgeRatio);
    const TextField headline = stepFields(step).headline;
    results.emplace_back(headline, record.*headline);
    return results;
}

class Search {
public:
    Search(const DesignInputs& inputs, const WalkResult& walk, Step mend)
        : inputs_(inputs), stop_(walk.step), mend_(mend), hints_(geometryHintsOf(walk.hints))
    {
    }

    // The smallest of the values that passes, or the NotFound entry.
    Suggestion first(TextField field, const std::vector<CandidateValue>& values,
                     const std::function<bool(const WalkResult&)>& endsSearch = {}) const
    {
        for (const CandidateValue& value : values) {
            Suggestion suggestion =
                entry(SuggestionKind::Passes, {field, current(field), value.text});
            DesignInputs changed = applySuggestion(inputs_, suggestion);
            std::string edgeRatio;
            if (movesEdgeRatio(field) && !takeChartAlpha0(changed, suggestion, edgeRatio))
                continue;
            const WalkResult walk = walkDesign(changed, stop_);
            if (endsSearch && endsSearch(walk))
                break;
            if (walk.status != WalkStatus::Ok || raisesNewGeometryHint(walk))
                continue;
            suggestion.results = quotedResults(walk.record, mend_, edgeRatio);
            suggestion.judgement = walk.judgement(mend_);
            return suggestion;
        }
        return entry(SuggestionKind::NotFound, {field, current(field), {}});
    }

    std::string current(TextField field) const { return inputText(inputs_, field); }
    std::optional<double> number(TextField field) const { return parseNumber(current(field)); }

    bool raisesNewGeometryHint(const WalkResult& walk) const
    {
        return std::ranges::any_of(geometryHintsOf(walk.hints), [&](const auto& fields) {
            return std::ranges::find(hints_, fields) == hints_.end();
        });
    }

private:
    Suggestion entry(SuggestionKind kind, InputChange change) const
    {
        Suggestion suggestion;
        suggestion.kind = kind;
        suggestion.step = mend_;
        suggestion.change = std::move(change);
        return suggestion;
    }

    // Walks the changed design as far as the plate shape, where its edge ratio is computed, and
    // types the chart's α0 at that ratio. False when the ratio lies off the chart. A ratio the walk
    // cannot compute (an empty or unreadable plate input) leaves α0 as typed.
    bool takeChartAlpha0(DesignInputs& changed, Suggestion& suggestion,
                         std::string& edgeRatio) const
    {
        const WalkResult shape = walkDesign(changed, Step::BShape);
        edgeRatio = shape.record.edgeRatio;
        if (edgeRatio.empty())
            return true;
        const auto chart = chartAlpha0At(edgeRatio);
        if (!chart)
            return false;
        std::string& alpha0 = inputText(changed, &R::alpha0);
        if (*chart != alpha0) {
            suggestion.alpha0 = InputChange{&R::alpha0, alpha0, *chart};
            alpha0 = *chart;
        }
        return true;
    }

    const DesignInputs& inputs_;
    Step stop_;
    Step mend_;
    GeometryHints hints_;
};

std::vector<CandidateValue> largerBoltSizes(const Search& search)
{
    std::vector<CandidateValue> sizes;
    const auto area = search.number(&R::boltArea);
    if (!area || *area <= 0.0)
        return sizes;
    for (const BoltSize& size : boltSizeTable) {
        const double candidate = *parseNumber(size.areaText);
        if (candidate > *area && candidate <= 3.0 * *area)
            sizes.push_back({candidate, std::string(size.itemText)});
    }
    return sizes;
}

std::vector<CandidateValue> gridOf(const Search& search, TextField field, double step,
                                   std::optional<double> limit = std::nullopt)
{
    const auto value = search.number(field);
    return value ? gridCandidates(*value, step, limit) : std::vector<CandidateValue>{};
}

std::vector<CandidateValue> standardsOf(const Search& search, TextField field)
{
    const auto value = search.number(field);
    return value ? standardThicknessCandidates(*value) : std::vector<CandidateValue>{};
}

// The bolt circle grows until its holes leave the flange: every larger circle would too.
bool holesLeaveFlange(const Search& search, const WalkResult& walk)
{
    return search.raisesNewGeometryHint(walk)
           && std::ranges::any_of(walk.hints, [](const Hint& hint) {
                  return hint.kind == HintKind::Geometry
                         && hint.fields.front() == &R::flangeDiameter;
              });
}

void addSearches(const Search& s, Step mend, std::vector<Suggestion>& out)
{
    switch (mend) {
    case Step::A:
        out.push_back(s.first(&R::boltSize, largerBoltSizes(s)));
        out.push_back(s.first(&R::boltCount, gridOf(s, &R::boltCount, 1.0)));
        out.push_back(s.first(&R::boltCircleDiameter, gridOf(s, &R::boltCircleDiameter, 0.5),
                              [&](const WalkResult& walk) { return holesLeaveFlange(s, walk); }));
        break;
    case Step::BShape: break;
    case Step::BThickness:
        out.push_back(s.first(&R::flangeThickness, standardsOf(s, &R::flangeThickness)));
        out.push_back(s.first(&R::boltCount, gridOf(s, &R::boltCount, 1.0)));
        break;
    case Step::C:
        out.push_back(s.first(&R::ribThickness, standardsOf(s, &R::ribThickness)));
        out.push_back(s.first(&R::ribHeight, gridOf(s, &R::ribHeight, 1.0)));
        break;
    case Step::D:
        out.push_back(
            s.first(&R::filletSize, gridOf(s, &R::filletSize, 0.1, s.number(&R::ribThickness))));
        out.push_back(
            s.first(&R::weldLength, gridOf(s, &R::weldLength, 1.0, s.number(&R::ribHeight))));
        break;
    }
}

// What the chart's α0 would change, when the design's α0 lies below the chart.
std::optional<Suggestion> chartAlpha0(const DesignInputs& inputs, const WalkResult& walk)
{
    const auto hint = std::ranges::find(walk.hints, HintKind::Alpha0BelowChart, &Hint::kind);
    if (hint == walk.hints.end())
        return std::nullopt;
    const auto chart = chartAlpha0At(walk.record.edgeRatio);
    if (!chart)
        return std::nullopt;
    DesignInputs changed = inputs;
    inputText(changed, &R::alpha0) = *chart;
    const WalkResult copy = walkDesign(changed, Step::BThickness);
    if (copy.step != Step::BThickness || copy.status == WalkStatus::MissingInput)
        return std::nullopt;
    return Suggestion{SuggestionKind::ChartAlpha0,
                      Step::BThickness,
                      {&R::alpha0, inputText(inputs, &R::alpha0), *chart},
                      std::nullopt,
                      {{&R::freeEdgeMoment, copy.record.freeEdgeMoment},
                       {&R::requiredThickness, copy.record.requiredThickness}},
                      copy.judgement(Step::BThickness)};
}

} // namespace

std::vector<Suggestion> findSuggestions(const DesignInputs& inputs, const WalkResult& walk)
{
    std::vector<Suggestion> suggestions;
    if (const auto mend = stepToMend(walk))
        addSearches(Search(inputs, walk, *mend), *mend, suggestions);
    if (auto chart = chartAlpha0(inputs, walk))
        suggestions.push_back(std::move(*chart));
    return suggestions;
}

std::vector<Suggestion> findSuggestions(const DesignInputs& inputs)
{
    return findSuggestions(inputs, walkDesign(inputs));
}

DesignInputs applySuggestion(DesignInputs inputs, const Suggestion& suggestion)
{
    for (const InputChange& change : typedChanges(suggestion)) {
        inputText(inputs, change.field) = change.to;
        if (change.field != &R::boltSize)
            continue;
        const auto size = std::ranges::find(boltSizeTable, change.to, &BoltSize::itemText);
        if (size != boltSizeTable.end())
            inputText(inputs, &R::boltArea) = std::string(size->areaText);
    }
    return inputs;
}

std::vector<InputChange> typedChanges(const Suggestion& suggestion)
{
    std::vector<InputChange> changes;
    if (suggestion.change.to.empty())
        return changes;
    changes.push_back(suggestion.change);
    if (suggestion.alpha0)
        changes.push_back(*suggestion.alpha0);
    return changes;
}

bool typeableOn(const Suggestion& suggestion, Step page)
{
    const auto changes = typedChanges(suggestion);
    return !changes.empty() && stepOf(changes.front().field) == page
           && std::ranges::all_of(
               changes, [&](const InputChange& change) { return stepOf(change.field) >= page; });
}

} // namespace flange
