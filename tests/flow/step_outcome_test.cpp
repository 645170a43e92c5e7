// What a calculation opens and shows, step by step, on the worked example and on designs whose
// checks fail: the gates of the four "next >>" and the judgement labels the calculation shows.

#include "flow/step_outcome.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace flange;
using flange::testing::workedExampleInputs;

struct OutcomeCase {
    const char* name;
    Step step;
    CalculationOutcome (*action)(const DesignRecord&);
    void (*change)(DesignRecord&); // nullptr: the worked example as it stands
    const char* gates;             // steps A to D: '+' enabled, '-' disabled, '.' unchanged
    const char* shown;             // 'x' where the judgement label is shown
};
void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }

class StepOutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(StepOutcomeTest, OpensAndShows)
{
    const auto& c = GetParam();
    DesignRecord record = workedExampleInputs();
    if (c.change)
        c.change(record);
    const StepOutcomes outcomes = stepOutcomes(c.step, c.action(record));
    std::string gates, shown;
    for (const StepOutcome& o : outcomes) {
        gates += o.next == Gate::Enabled ? '+' : o.next == Gate::Disabled ? '-' : '.';
        shown += o.shown ? 'x' : '.';
    }
    EXPECT_EQ(gates, c.gates);
    EXPECT_EQ(shown, c.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Calculations, StepOutcomeTest,
    ::testing::Values(
        OutcomeCase{"Bolts", Step::A, calculateBolts, nullptr, "+....", "x...."},
        OutcomeCase{"BoltsNgKeepsTheGateShut", Step::A, calculateBolts,
                    [](DesignRecord& r) { r.bendingMoment = "1200"; }, "-....", "x...."},
        // The plate shape judges nothing, shows nothing and always opens its gate.
        OutcomeCase{"PlateShape", Step::BShape, calculatePlateShape, nullptr, ".+...", "....."},
        OutcomeCase{"PlateShapeWhateverTheValues", Step::BShape, calculatePlateShape,
                    [](DesignRecord& r) { r.boltCount = "0"; r.flangeDiameter = "x"; },
                    ".+...", "....."},
        OutcomeCase{"PlateThicknessJudgesRibsAsTextOnly", Step::BThickness,
                    calculatePlateThickness, nullptr, "..+..", "..x.."},
        OutcomeCase{"PlateThicknessWithoutRibInputs", Step::BThickness, calculatePlateThickness,
                    [](DesignRecord& r) { r.ribThickness.clear(); r.ribHeight.clear(); },
                    "..+..", "..x.."},
        OutcomeCase{"Ribs", Step::C, calculateRibs, nullptr, "..++.", "..xx."},
        OutcomeCase{"RibsWithThicknessNg", Step::C, calculateRibs,
                    [](DesignRecord& r) { r.flangeThickness = "1.55"; }, "..-+.", "..xx."},
        OutcomeCase{"Welds", Step::D, calculateWelds, nullptr, "..++.", "..xxx"},
        OutcomeCase{"WeldsNgHasNoGate", Step::D, calculateWelds,
                    [](DesignRecord& r) { r.weldLength = "5"; }, "..++.", "..xxx"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
