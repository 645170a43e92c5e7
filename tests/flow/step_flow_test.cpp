// The step flow's rules, walked from the worked example: every transition, gate and invalidation
// as a script of engineer actions and the state the flow is left in.

#include "flow/step_flow.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace flange;

TextField fieldNamed(const std::string& name)
{
    using R = DesignRecord;
    const std::vector<std::pair<std::string, TextField>> fields{
        {"boltCount", &R::boltCount},
        {"pipeDiameter", &R::pipeDiameter},
        {"flangeThickness", &R::flangeThickness},
        {"ribHeight", &R::ribHeight},
        {"weldLength", &R::weldLength},
        {"boltArea", &R::boltArea},
        {"filletSize", &R::filletSize}};
    for (const auto& [n, f] : fields)
        if (n == name)
            return f;
    ADD_FAILURE() << "unknown field " << name;
    return &R::boltCount;
}

// Carries out one action; "next" and "back" record a refused move as "!".
std::string act(StepFlow& flow, const std::string& action)
{
    std::istringstream words(action);
    std::string verb, arg, text;
    words >> verb >> arg;
    std::getline(words >> std::ws, text);
    if (verb == "calc")
        return flow.calculate() == CalculationOutcome::Status::MissingInput ? "missing" : "";
    if (verb == "next")
        return flow.enterNextStep() ? "" : "!";
    if (verb == "back")
        return flow.leaveStep() ? "" : "!";
    if (verb == "reset")
        flow.pageReset();
    else if (verb == "set")
        flow.setInput(fieldNamed(arg), text);
    else if (verb == "choose")
        flow.chooseBoltSize(std::stoi(arg));
    else
        ADD_FAILURE() << "unknown action " << action;
    return "";
}

// The step, the four "next >>" (+ enabled), the judgements shown (x), the five headline results
// filled (x), the judgements standing (O, N or .) and whether Print is available.
std::string state(const StepFlow& flow)
{
    const DesignRecord& r = flow.record();
    std::string s = "ABbCD"[stepIndex(flow.currentStep())] + std::string(" ");
    for (Step step : {Step::A, Step::BShape, Step::BThickness, Step::C})
        s += flow.isNextEnabled(step) ? '+' : '-';
    s += ' ';
    for (const JudgementLabel* j :
         {&r.boltVerdict, &r.thicknessVerdict, &r.ribVerdict, &r.weldVerdict})
        s += j->shown ? 'x' : '.';
    s += ' ';
    for (const std::string* h :
         {&r.boltRatio, &r.edgeRatio, &r.requiredThickness, &r.ribRatio, &r.weldRatio})
        s += h->empty() ? '.' : 'x';
    s += ' ';
    for (Step step : allSteps) {
        const auto j = flow.judgement(step);
        s += !j ? '.' : *j == Judgement::Ok ? 'O' : 'N';
    }
    return s + (flow.isPrintAvailable() ? " print" : "");
}

struct Script {
    const char* name;
    std::vector<std::string> actions;
    std::string expected;
};

// Named in test names and failure messages by its name, not by a dump of its bytes.
void PrintTo(const Script& c, std::ostream* os) { *os << c.name; }

const std::vector<std::string> toD{"calc", "next", "calc", "next", "calc", "next", "calc", "next"};

std::vector<std::string> then(std::vector<std::string> first, std::vector<std::string> more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

class StepFlowScript : public ::testing::TestWithParam<Script> {};

TEST_P(StepFlowScript, LeavesTheFlowInItsState)
{
    StepFlow flow;
    flow.openDesign(flange::testing::workedExampleFile());
    std::string outcome;
    for (const std::string& action : GetParam().actions)
        outcome += act(flow, action);
    EXPECT_EQ(outcome.empty() ? state(flow) : outcome + " " + state(flow), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, StepFlowScript,
    ::testing::Values(
        Script{"Opened", {}, "A ---- .... ..... ....."},
        Script{"NextIsRefusedBeforeTheCalculation", {"next"}, "! A ---- .... ..... ....."},
        Script{"BackIsRefusedAtStepA", {"back"}, "! A ---- .... ..... ....."},
        Script{"BoltsOkOpenTheirGate", {"calc"}, "A +--- x... x.... O...."},
        Script{"EnteringHidesNothingEarlier", {"calc", "next"}, "B +--- x... x.... O...."},
        // The plate shape recomputes section A without judging it and always opens its gate.
        Script{"PlateShape", {"calc", "next", "calc"}, "B ++-- x... xx... O...."},
        Script{"PlateThicknessJudgesTheRibsAsTextOnly",
               {"calc", "next", "calc", "next", "calc"},
               "b +++- xx.. xxxx. O.OO."},
        Script{"WeldsCompleteTheDesign", then(toD, {"calc"}), "D ++++ xxxx xxxxx O.OOO print"},
        Script{"LeavingStepDEmptiesTheWeldRatio", then(toD, {"calc", "back"}),
               "C ++++ xxx. xxxx. O.OO."},
        Script{"AnEditEmptiesItsOwnStepOnly", then(toD, {"calc", "set weldLength 14"}),
               "D ++++ xxx. xxxx. O.OO."},
        Script{"AnEditOfAnEarlierStepClosesItsGate",
               {"calc", "next", "set boltCount 6"},
               "B ---- .... ..... ....."},
        Script{"AnUnchangedTextChangesNothing",
               {"calc", "set boltCount 8"},
               "A +--- x... x.... O...."},
        Script{
            "NgKeepsTheGateShut", {"set boltCount 4", "calc", "next"}, "! A ---- x... x.... N...."},
        Script{"ThicknessNg",
               {"set flangeThickness 1.5", "calc", "next", "calc", "next", "calc", "next"},
               "! b ++-- xx.. xxxx. O.NO."},
        Script{"MissingInputChangesNothing",
               {"calc", "next", "calc", "next", "set ribHeight", "calc", "next", "calc"},
               "missing C +++- xx.. xxx.. O.O.."},
        Script{"FilletSizeIsNeededAtStepD", then(toD, {"set filletSize", "calc"}),
               "missing D ++++ xxx. xxxx. O.OO."},
        Script{"ChoosingTheSameAreaKeepsTheStep", {"calc", "choose 5"}, "A +--- x... x.... O...."},
        // The first size of the table is a choice like any other; an index past it is none.
        Script{"ChoosingAnotherAreaInvalidates", {"calc", "choose 0"}, "A ---- .... ..... ....."},
        Script{
            "ChoosingPastTheTableChangesNothing", {"calc", "choose 8"}, "A +--- x... x.... O...."},
        Script{"ResetEmptiesEverything", then(toD, {"calc", "reset"}), "A ---- .... ..... ....."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
