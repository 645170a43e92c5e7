#pragma once

// The design assistant's proposals ("修正案") for a design.
//
// For the step where the walk stops at NG, each search changes one input and tries its values
// smallest first (candidate_values.h); a value is offered when a copy of the design with it walks
// to the step where the design stopped, every judgement up to there is OK, and it raises no
// geometry hint the design did not already have. A bolt count or bolt circle diameter moves the
// edge ratio Ly/Lx, so such a change also takes α0 from the chart at the new ratio, as the hint
// quotes it (a ratio off the chart cannot be offered). A search that finds nothing says so.
//
//   A bolts:           the bolt size (next sizes of the list), the bolt count, the bolt circle
//                      diameter (0.5 cm steps, holes on the flange)
//   B plate thickness: the assumed thickness (standard thicknesses), the bolt count
//   C ribs:            the rib thickness (standard thicknesses), the rib height (1 cm steps)
//   D welds:           the fillet size (0.1 cm steps, up to the rib thickness), the weld length
//                      (1 cm steps, up to the rib height)
//
// When the α0 hint shows, one more entry says what the chart's α0 would change: the free-edge
// moment, the required thickness and its judgement with α0 as the chart gives it.
//
// Nothing here computes a result of its own: every number comes from walking the step flow.

#include "calc/calculate_actions.h"
#include "calc/design_record.h"
#include "suggest/design_walk.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace flange {

enum class SuggestionKind {
    Passes,      // the change makes the step OK
    NotFound,    // no value of the search within three times the current one passes
    ChartAlpha0, // the α0 of the chart at the design's edge ratio, whatever it gives
};

struct InputChange {
    TextField field = nullptr; // boltSize for a bolt size of the list (its area follows)
    std::string from;
    std::string to; // empty for NotFound
};

struct Suggestion {
    SuggestionKind kind = SuggestionKind::Passes;
    Step step = Step::A;               // the step it mends (B thickness for ChartAlpha0)
    InputChange change;                // the input the engineer types
    std::optional<InputChange> alpha0; // the chart's α0 at the new edge ratio, when it moved
    std::vector<std::pair<TextField, std::string>> results; // what the walked copy shows
    std::optional<Judgement> judgement = std::nullopt;      // of `step` in the walked copy
};

// The suggestions of a design already walked (its inputs and the walk of them), in the order of
// the searches above, the chart's α0 last. A design that stopped at an empty input has no
// searches, only the chart's α0 when its hint shows.
std::vector<Suggestion> findSuggestions(const DesignInputs& inputs, const WalkResult& walk);
std::vector<Suggestion> findSuggestions(const DesignInputs& inputs);

// The inputs with a suggestion applied (the bolt area with a bolt size, α0 with a moved ratio).
DesignInputs applySuggestion(DesignInputs inputs, const Suggestion& suggestion);

// The fields an engineer types for a suggestion, in order: its input, then α0 when it moved.
std::vector<InputChange> typedChanges(const Suggestion& suggestion);

// Whether the engineer can type a suggestion on the step page shown: its input belongs to that
// page (the fields of earlier pages are settled, back on their page they can be typed), and α0,
// when it moved, to that page or a later one, which is calculated afresh when it is entered.
bool typeableOn(const Suggestion& suggestion, Step page);

} // namespace flange
