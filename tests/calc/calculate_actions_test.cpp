// The five calculate actions on the worked example and on designs that fail: which fields each
// writes, which judgements it makes and with which texts, and that a missing input changes nothing
// at all. What the step flow makes of the judgements is in tests/flow/step_outcome_test.cpp.

#include "calc/calculate_actions.h"
#include "calc/field_catalog.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace {

using namespace flange;
using flange::testing::workedExampleInputs;
using Action = std::function<CalculationOutcome(const DesignRecord&)>;
using Status = CalculationOutcome::Status;

const std::string ok = "< 1.0・・・・・・・・ＯＫ";
const std::string thicknessOk = "(cm) < t ・・ＯＫ";

// clang-format off
const std::map<std::string, std::string> boltResults{
    {"boltTension", "10.00"}, {"boltShear", "0.625"}, {"boltStress", "1.75"}, {"boltRatio", "0.833"}};
const std::map<std::string, std::string> panelResults{{"freeEdgeLength", "11.5"},
                                                      {"fixedEdgeLength", "9.2"},
                                                      {"unitCompressiveStress", "0.0945"},
                                                      {"edgeRatio", "1.25"}};
const std::map<std::string, std::string> plateAndRibResults{
    {"freeEdgeMoment", "0.960"}, {"requiredThickness", "1.55"}, {"ribShearForce", "16.00"},
    {"ribShearStress", "1.185"}, {"ribRatio", "0.878"}};
const std::map<std::string, std::string> weldResults{
    {"boltStress", "1.745"}, {"boltRatio", "0.831"}, {"weldThroat", "0.42"},
    {"weldShearStress", "1.270"}, {"weldRatio", "0.941"}};

std::map<std::string, std::string> merged(std::initializer_list<std::map<std::string, std::string>> parts)
{
    std::map<std::string, std::string> all;
    for (const auto& part : parts)
        for (const auto& [k, v] : part)
            all[k] = v;
    return all;
}

// clang-format on
// The outcome's judgements of steps A to D in one line: 'O' OK, 'N' NG, '.' not judged.
std::string judgements(const CalculationOutcome& o)
{
    std::string code;
    for (Step s : allSteps) {
        const auto j = o.judgement(s);
        code += !j ? '.' : *j == Judgement::Ok ? 'O' : 'N';
    }
    return code;
}

struct ActionCase {
    const char* name;
    Action action;
    std::map<std::string, std::string> results; // every other result must stay empty
    JudgementLabel bolt, thickness, rib, weld;
    const char* judgements;
};

void PrintTo(const ActionCase& c, std::ostream* os) { *os << c.name; }

class WorkedExampleTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(WorkedExampleTest, WritesEveryResultAndJudgement)
{
    const auto& c = GetParam();
    const auto outcome = c.action(workedExampleInputs());
    ASSERT_EQ(outcome.status, Status::Calculated);
    for (const auto& info : resultFieldInfos()) {
        const auto it = c.results.find(std::string(info.name));
        const std::string expected = it == c.results.end() ? "" : it->second;
        EXPECT_EQ(outcome.record.*info.field, expected) << info.name;
    }
    EXPECT_EQ(outcome.record.boltVerdict, c.bolt);
    EXPECT_EQ(outcome.record.thicknessVerdict, c.thickness);
    EXPECT_EQ(outcome.record.ribVerdict, c.rib);
    EXPECT_EQ(outcome.record.weldVerdict, c.weld);
    EXPECT_EQ(judgements(outcome), c.judgements);
    // The inputs are never touched.
    for (const auto& info : inputFieldInfos())
        EXPECT_EQ(outcome.record.*info.field, workedExampleInputs().*info.field) << info.name;
}

const JudgementLabel initialRatio{"< 1.0", false};
const JudgementLabel initialThickness{"(cm) < t", false};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Actions, WorkedExampleTest,
    ::testing::Values(
        // The actions write judgement texts only; which are shown is the step flow's decision.
        ActionCase{"Bolts", calculateBolts, boltResults, {ok, false}, initialThickness, initialRatio,
                   initialRatio, "O...."},
        // The plate shape step recomputes section A but leaves its judgement alone.
        ActionCase{"PlateShape", calculatePlateShape, merged({boltResults, panelResults}),
                   initialRatio, initialThickness, initialRatio, initialRatio, "....."},
        ActionCase{"PlateThickness", calculatePlateThickness,
                   merged({boltResults, panelResults, plateAndRibResults}), {ok, false},
                   {thicknessOk, false}, {ok, false}, initialRatio, "O.OO."},
        ActionCase{"Ribs", calculateRibs, merged({boltResults, panelResults, plateAndRibResults}),
                   {ok, false}, {thicknessOk, false}, {ok, false}, initialRatio, "O.OO."},
        ActionCase{"Welds", calculateWelds,
                   merged({boltResults, panelResults, plateAndRibResults, weldResults}), {ok, false},
                   {thicknessOk, false}, {ok, false}, {ok, false}, "O.OOO"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MissingCase {
    const char* name;
    Action action;
    Step step;
};

// Named in test names and failure messages by its name, not by a dump of its bytes.
void PrintTo(const MissingCase& c, std::ostream* os) { *os << c.name; }
// clang-format on

class MissingInputTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingInputTest, AnyEmptyCheckedInputLeavesTheRecordUntouched)
{
    const auto& c = GetParam();
    DesignRecord before = workedExampleInputs();
    before.boltRatio = "0.500"; // stale results and judgements must survive as they are
    before.boltVerdict = {"> 1.0・・・・・・・・ＮＧ", true};
    for (TextField field : calculationInputs(c.step)) {
        DesignRecord r = before;
        (r.*field).clear();
        const auto outcome = c.action(r);
        EXPECT_EQ(outcome.status, Status::MissingInput) << fieldInfo(field).name;
        EXPECT_EQ(outcome.record, r) << fieldInfo(field).name;
        EXPECT_EQ(judgements(outcome), ".....");
    }
}

TEST_P(MissingInputTest, BoltSizeIsNeverChecked)
{
    DesignRecord r = workedExampleInputs();
    r.boltSize.clear();
    EXPECT_EQ(GetParam().action(r).status, Status::Calculated);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, MissingInputTest,
    ::testing::Values(MissingCase{"Bolts", calculateBolts, Step::A},
                      MissingCase{"PlateShape", calculatePlateShape, Step::BShape},
                      MissingCase{"PlateThickness", calculatePlateThickness, Step::BThickness},
                      MissingCase{"Ribs", calculateRibs, Step::C},
                      MissingCase{"Welds", calculateWelds, Step::D}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MissingInputLists, EachStepChecksItsOwnInputsAndAllEarlierOnes)
{
    EXPECT_EQ(calculationInputs(Step::A).size(), 6u);
    EXPECT_EQ(calculationInputs(Step::BShape).size(), 8u);
    EXPECT_EQ(calculationInputs(Step::BThickness).size(), 11u);
    EXPECT_EQ(calculationInputs(Step::C).size(), 14u);
    EXPECT_EQ(calculationInputs(Step::D).size(), 16u);
    const std::span<const TextField> lists[] = {
        calculationInputs(Step::A), calculationInputs(Step::BShape),
        calculationInputs(Step::BThickness), calculationInputs(Step::C),
        calculationInputs(Step::D)};
    for (std::size_t i = 1; i < std::size(lists); ++i)
        for (std::size_t k = 0; k < lists[i - 1].size(); ++k)
            EXPECT_EQ(lists[i][k], lists[i - 1][k]);
}

TEST(CalculatePlateThickness, AlphaMissingStopsEvenSectionA)
{
    DesignRecord r = workedExampleInputs();
    r.alpha0.clear();
    const auto outcome = calculatePlateThickness(r);
    EXPECT_EQ(outcome.status, Status::MissingInput);
    EXPECT_EQ(outcome.record.boltTension, "");
}

TEST(CalculatePlateThickness, EmptyRibInputsStillWriteTheRibShearForce)
{
    DesignRecord r = workedExampleInputs();
    r.ribThickness.clear();
    r.ribHeight.clear();
    r.allowableShear.clear();
    r.ribVerdict = {"< 1.0", false};
    const auto outcome = calculatePlateThickness(r);
    ASSERT_EQ(outcome.status, Status::Calculated);
    EXPECT_EQ(outcome.record.ribShearForce, "16.00");
    EXPECT_EQ(outcome.record.ribShearStress, "");
    EXPECT_EQ(outcome.record.ribRatio, "");
    // The hidden rib judgement gets a new text (NG: nothing was computed) and stays hidden.
    EXPECT_EQ(outcome.record.ribVerdict, (JudgementLabel{"> 1.0・・・・・・・・ＮＧ", false}));
    EXPECT_EQ(judgements(outcome), "O.ON.");
}

TEST(CalculateBolts, Ng)
{
    DesignRecord r = workedExampleInputs();
    r.bendingMoment = "1200"; // doubles the bolt tension
    const auto outcome = calculateBolts(r);
    EXPECT_EQ(outcome.record.boltRatio, "1.662"); // 20.00 / 5.73 = 3.49; 3.49 / 2.1
    EXPECT_EQ(outcome.record.boltVerdict.text, "> 1.0・・・・・・・・ＮＧ");
    EXPECT_EQ(judgements(outcome), "N....");
}

TEST(CalculatePlateShape, CalculatesWhateverTheValuesAndJudgesNothing)
{
    DesignRecord r = workedExampleInputs();
    r.boltCount = "0";
    r.flangeDiameter = "x";
    const auto outcome = calculatePlateShape(r);
    ASSERT_EQ(outcome.status, Status::Calculated);
    EXPECT_EQ(judgements(outcome), ".....");
    EXPECT_EQ(outcome.record.edgeRatio, "");
}

TEST(CalculateWelds, NgAtTheWelds)
{
    DesignRecord r = workedExampleInputs();
    r.weldLength = "5";
    const auto outcome = calculateWelds(r);
    EXPECT_EQ(outcome.record.weldRatio, "2.822");
    EXPECT_EQ(outcome.record.weldVerdict.text, "> 1.0・・・・・・・・ＮＧ");
    EXPECT_EQ(judgements(outcome), "O.OON");
}

TEST(CalculateRibs, ThicknessNgRibOk)
{
    DesignRecord r = workedExampleInputs();
    r.flangeThickness = "1.55"; // equal to the required thickness
    const auto outcome = calculateRibs(r);
    EXPECT_EQ(outcome.record.thicknessVerdict.text, "(cm) > t ・・ＮＧ");
    EXPECT_EQ(judgements(outcome), "O.NO.");
}

TEST(CalculateActions, ResultsFollowTheCurrentInputsOfAllEarlierSteps)
{
    // Every action starts again from section A: stale results in the record never leak in.
    DesignRecord r = workedExampleInputs();
    r.boltTension = "99.00";
    r.fixedEdgeLength = "1.0";
    r.unitCompressiveStress = "5.0000";
    EXPECT_EQ(calculateWelds(r).record.weldRatio, "0.941");
}

} // namespace
