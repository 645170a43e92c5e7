// The walk through the steps must stop exactly where the main window would keep the engineer:
// at an empty input a step needs, or at a "next >>" an NG judgement leaves disabled.

#include "suggest/design_walk.h"

#include "calc/record_operations.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using flange::DesignInputs;
using flange::DesignRecord;
using flange::Step;
using flange::WalkStatus;

const DesignInputs& workedExample = flange::testing::workedExampleFile();

// File positions of the inputs the cases change.
// clang-format off
enum Input : std::size_t {
    boltCount = 2, pipeDiameter = 5, ribThickness = 7, ribHeight = 8, weldLength = 10,
    bendingMoment = 12, flangeThickness = 14, alpha0 = 16,
};
// clang-format on

struct WalkCase {
    const char* name;
    std::map<Input, std::string> changes; // to the worked example
    Step step;
    WalkStatus status;
    const char* boltRatio; // as left by the last calculation that ran
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class DesignWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(DesignWalk, StopsWhereTheEngineerWouldBeHeld)
{
    const auto& c = GetParam();
    DesignInputs inputs = workedExample;
    for (const auto& [input, text] : c.changes)
        inputs[input] = text;
    const auto walk = flange::walkDesign(inputs);
    EXPECT_EQ(walk.step, c.step);
    EXPECT_EQ(walk.status, c.status);
    EXPECT_EQ(walk.record.boltRatio, c.boltRatio);
    EXPECT_EQ(flange::inputsOf(walk.record), inputs) << "the walk never changes an input";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Designs, DesignWalk,
    ::testing::Values(
        WalkCase{"WorkedExampleReachesTheWelds", {}, Step::D, WalkStatus::Ok, "0.831"},
        WalkCase{"EmptyBoltInput", {{boltCount, ""}}, Step::A, WalkStatus::MissingInput, ""},
        WalkCase{"BlankBoltInputPassesTheCheckButNotTheJudgement",
                 {{boltCount, " "}}, Step::A, WalkStatus::Ng, ""},
        WalkCase{"BoltNg", {{bendingMoment, "800"}}, Step::A, WalkStatus::Ng, "1.110"},
        WalkCase{"EmptyPipeDiameter", {{pipeDiameter, ""}}, Step::BShape, WalkStatus::MissingInput,
                 "0.833"},
        // A plate narrower than the pipe still lets the engineer past the shape half.
        WalkCase{"ImpossiblePlateShapeGoesOnToTheThickness",
                 {{pipeDiameter, "50"}}, Step::BThickness, WalkStatus::Ng, "0.833"},
        WalkCase{"EmptyAlpha0", {{alpha0, ""}}, Step::BThickness, WalkStatus::MissingInput, "0.833"},
        WalkCase{"ThicknessNg", {{flangeThickness, "1.5"}}, Step::BThickness, WalkStatus::Ng, "0.833"},
        WalkCase{"ThicknessEqualToRequiredIsNg",
                 {{flangeThickness, "1.55"}}, Step::BThickness, WalkStatus::Ng, "0.833"},
        WalkCase{"EmptyRibHeight", {{ribHeight, ""}}, Step::C, WalkStatus::MissingInput, "0.833"},
        WalkCase{"RibNg", {{ribThickness, "0.6"}}, Step::C, WalkStatus::Ng, "0.833"},
        WalkCase{"EmptyWeldLength", {{weldLength, ""}}, Step::D, WalkStatus::MissingInput, "0.833"},
        WalkCase{"WeldNg", {{weldLength, "10"}}, Step::D, WalkStatus::Ng, "0.831"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesignWalk, WorkedExampleShowsEveryValueOfTheSheet)
{
    const auto walk = flange::walkDesign(workedExample);
    const DesignRecord& r = walk.record;
    const std::map<std::string, std::string> shown{
        {"boltTension", r.boltTension},       {"boltShear", r.boltShear},
        {"boltStress", r.boltStress},         {"boltRatio", r.boltRatio},
        {"freeEdgeLength", r.freeEdgeLength}, {"fixedEdgeLength", r.fixedEdgeLength},
        {"unitCompressiveStress", r.unitCompressiveStress}, {"edgeRatio", r.edgeRatio},
        {"freeEdgeMoment", r.freeEdgeMoment}, {"requiredThickness", r.requiredThickness},
        {"ribShearForce", r.ribShearForce},   {"ribShearStress", r.ribShearStress},
        {"ribRatio", r.ribRatio},             {"weldThroat", r.weldThroat},
        {"weldShearStress", r.weldShearStress}, {"weldRatio", r.weldRatio}};
    const std::map<std::string, std::string> sheet{
        {"boltTension", "10.00"},     {"boltShear", "0.625"},        {"boltStress", "1.745"},
        {"boltRatio", "0.831"},       {"freeEdgeLength", "11.5"},    {"fixedEdgeLength", "9.2"},
        {"unitCompressiveStress", "0.0945"}, {"edgeRatio", "1.25"},  {"freeEdgeMoment", "0.960"},
        {"requiredThickness", "1.55"}, {"ribShearForce", "16.00"},   {"ribShearStress", "1.185"},
        {"ribRatio", "0.878"},        {"weldThroat", "0.42"},        {"weldShearStress", "1.270"},
        {"weldRatio", "0.941"}};
    EXPECT_EQ(shown, sheet);
    for (const auto verdict : flange::judgementFields)
        EXPECT_TRUE((r.*verdict).shown);
    EXPECT_EQ(r.thicknessVerdict.text, flange::thicknessOkText);
}

TEST(DesignWalk, StopsWithLaterJudgementsAsOpenLeftThem)
{
    const auto inputs = [] {
        DesignInputs changed = workedExample;
        changed[bendingMoment] = "800";
        return changed;
    }();
    const auto walk = flange::walkDesign(inputs);
    const DesignRecord opened;
    EXPECT_TRUE(walk.record.boltVerdict.shown);
    EXPECT_EQ(walk.record.thicknessVerdict, opened.thicknessVerdict);
    EXPECT_EQ(walk.record.ribVerdict, opened.ribVerdict);
    EXPECT_EQ(walk.record.weldVerdict, opened.weldVerdict);
    EXPECT_TRUE(walk.record.edgeRatio.empty());
}

TEST(DesignWalk, ThicknessStepLeavesTheRibJudgementHidden)
{
    DesignInputs inputs = workedExample;
    inputs[flangeThickness] = "1.5";
    const auto walk = flange::walkDesign(inputs);
    EXPECT_EQ(walk.record.ribRatio, "0.878");
    EXPECT_FALSE(walk.record.ribVerdict.shown);
    EXPECT_TRUE(walk.record.weldRatio.empty());
}

} // namespace

// clang-format on