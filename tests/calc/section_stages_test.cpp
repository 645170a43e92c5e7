// The section stages on the cases where rounding, signs and impossible steps decide the outcome.

#include "calc/section_stages.h"
#include "worked_example.h"

#include <gtest/gtest.h>

namespace {

using namespace flange;
using flange::testing::workedExampleInputs;

BoltStageResult runBolts(DesignRecord& r, NumberPattern stress = NumberPattern::TwoDecimals)
{
    return runBoltStage(r, stress, true);
}

TEST(BoltStage, RatioRoundingToOneIsNg)
{
    DesignRecord r = workedExampleInputs();
    r.boltAllowableTension = "1.167133"; // 1.75 / 1.7506995 = 0.99960
    const auto result = runBolts(r);
    EXPECT_EQ(r.boltRatio, "1.000");
    EXPECT_EQ(result.judgement, Judgement::Ng);
}

TEST(BoltStage, UnusableShearForceAffectsOnlyTheBoltShear)
{
    DesignRecord r = workedExampleInputs();
    r.shearForce = "abc";
    const auto result = runBolts(r);
    EXPECT_EQ(r.boltShear, "");
    EXPECT_EQ(r.boltTension, "10.00");
    EXPECT_EQ(r.boltRatio, "0.833");
    EXPECT_EQ(result.judgement, Judgement::Ok);
}

TEST(BoltStage, OvertypedAreaIsUsed)
{
    DesignRecord r = workedExampleInputs();
    r.boltArea = "4";
    runBolts(r);
    EXPECT_EQ(r.boltStress, "2.50");
}

TEST(BoltStage, ZeroBoltsSkipsEveryStepThatNeedsThem)
{
    DesignRecord r = workedExampleInputs();
    r.boltCount = "0";
    const auto result = runBolts(r);
    EXPECT_FALSE(result.tension);
    for (auto f : {&DesignRecord::boltTension, &DesignRecord::boltShear, &DesignRecord::boltStress,
                   &DesignRecord::boltRatio})
        EXPECT_EQ(r.*f, "");
    EXPECT_EQ(result.judgement, Judgement::Ng); // nothing computed never passes
}

TEST(BoltStage, StressPatternOfTheWeldStep)
{
    DesignRecord r = workedExampleInputs();
    runBolts(r, NumberPattern::ThreeDecimals);
    EXPECT_EQ(r.boltStress, "1.745");
    EXPECT_EQ(r.boltRatio, "0.831");
}

struct PanelCase {
    const char* name;
    const char* count;
    const char* pipe;
    const char* flange;
    std::optional<double> tension;
    const char *freeEdge, *fixedEdge, *stress, *ratio;
    const char* circle = "30";
};

// Named in test names and failure messages by its name, not by a dump of its bytes.
void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }

class PlateShapeTest : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PlateShapeTest, PanelFromRoundedEdges)
{
    const auto& c = GetParam();
    DesignRecord r = workedExampleInputs();
    r.boltCount = c.count;
    r.pipeDiameter = c.pipe;
    r.flangeDiameter = c.flange;
    r.boltCircleDiameter = c.circle;
    runPlateShapeStage(r, c.tension);
    EXPECT_EQ(r.freeEdgeLength, c.freeEdge);
    EXPECT_EQ(r.fixedEdgeLength, c.fixedEdge);
    EXPECT_EQ(r.unitCompressiveStress, c.stress);
    EXPECT_EQ(r.edgeRatio, c.ratio);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PlateShapeTest,
    ::testing::Values(
        // 11.4805 and 9.185 are used as 11.5 and 9.2: wS is 0.0945, not 0.0948.
        PanelCase{"WorkedExample", "8", "21.63", "40", 10.0, "11.5", "9.2", "0.0945", "1.25"},
        // A flange smaller than the pipe: negative Lx, and wS and λ take its sign.
        PanelCase{"FlangeSmallerThanPipe", "8", "21.63", "20", 10.0, "11.5", "-0.8", "-1.0870",
                  "-14.38"},
        // One bolt: sin(3.1415926) is tiny, Ly rounds to 0.0, wS divides by zero.
        PanelCase{"OneBolt", "1", "21.63", "40", 80.0, "0.0", "9.2", "", "0.00"},
        // Two bolts: sin is not exactly 1 with this π, yet Ly still rounds to D1.
        PanelCase{"TwoBolts", "2", "21.63", "40", 40.0, "30.0", "9.2", "0.1449", "3.26"},
        // Flange equal to the pipe: Lx = 0 makes wS and λ divisions by zero.
        PanelCase{"NoPlateBeyondPipe", "8", "21.63", "21.63", 10.0, "11.5", "0.0", "", ""},
        PanelCase{"ZeroBolts", "0", "21.63", "40", std::nullopt, "", "9.2", "", ""},
        PanelCase{"NoTension", "8", "21.63", "40", std::nullopt, "11.5", "9.2", "", "1.25"},
        // With π taken as 3.1415926, 35.1·sin(30°) falls just short of 17.55 and rounds down.
        PanelCase{"PiAsTheProgramTakesIt", "6", "21.63", "40", 10.0, "17.5", "9.2", "0.0621",
                  "1.90", "35.1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ThicknessCase {
    const char* name;
    const char* alpha0;
    const char* assumed;
    const char* moment;
    const char* required;
    Judgement verdict;
};

void PrintTo(const ThicknessCase& c, std::ostream* os) { *os << c.name; }

class PlateThicknessTest : public ::testing::TestWithParam<ThicknessCase> {};

TEST_P(PlateThicknessTest, JudgesTheShownThicknessAgainstTheAssumedOne)
{
    const auto& c = GetParam();
    DesignRecord r = workedExampleInputs();
    r.alpha0 = c.alpha0;
    r.flangeThickness = c.assumed;
    r.plateAllowableBending = "1.6"; // t = √(2.5·M0)
    const PanelValues unitPanel{1.0, 1.0};
    EXPECT_EQ(runPlateThicknessStage(r, unitPanel), c.verdict);
    EXPECT_EQ(r.freeEdgeMoment, c.moment);
    EXPECT_EQ(r.requiredThickness, c.required);
    EXPECT_EQ(r.thicknessVerdict.text,
              c.verdict == Judgement::Ok ? "(cm) < t ・・ＯＫ" : "(cm) > t ・・ＮＧ");
    EXPECT_FALSE(r.thicknessVerdict.shown); // showing it is the step flow's decision
}

INSTANTIATE_TEST_SUITE_P(
    Thicknesses, PlateThicknessTest,
    ::testing::Values(
        ThicknessCase{"EqualIsNg", "1.936", "2.2", "1.936", "2.20", Judgement::Ng},
        ThicknessCase{"ComparedAsNumbers", "36.1", "10", "36.100", "9.50", Judgement::Ok},
        ThicknessCase{"ZeroAlphaPasses", "0", "0.1", "0.000", "0.00", Judgement::Ok},
        // 1.99624 is shown as 2.00 and judged as shown.
        ThicknessCase{"RoundedThicknessIsJudged", "1.594", "2", "1.594", "2.00", Judgement::Ng},
        // A negative moment has no real thickness: nothing computed, never OK.
        ThicknessCase{"NegativeMoment", "-0.12", "2.2", "-0.120", "", Judgement::Ng},
        ThicknessCase{"AssumedUnreadable", "0.12", "abc", "0.120", "0.55", Judgement::Ng}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlateThicknessStage, ZeroAllowableBendingSkipsTheThickness)
{
    DesignRecord r = workedExampleInputs();
    r.plateAllowableBending = "0";
    EXPECT_EQ(runPlateThicknessStage(r, PanelValues{9.2, 0.0945}), Judgement::Ng);
    EXPECT_EQ(r.freeEdgeMoment, "0.960");
    EXPECT_EQ(r.requiredThickness, "");
}

TEST(RibStage, WritesTheJudgementTextOnly)
{
    DesignRecord r = workedExampleInputs();
    const auto result = runRibStage(r, PanelValues{9.2, 0.0945});
    EXPECT_EQ(result.shearForce, 16.0);
    EXPECT_EQ(r.ribVerdict, (JudgementLabel{"< 1.0・・・・・・・・ＯＫ", false}));
}

TEST(RibStage, ZeroRibThicknessSkipsStressAndRatio)
{
    DesignRecord r = workedExampleInputs();
    r.ribThickness = "0";
    const auto result = runRibStage(r, PanelValues{9.2, 0.0945});
    EXPECT_EQ(r.ribShearForce, "16.00");
    EXPECT_EQ(r.ribShearStress, "");
    EXPECT_EQ(r.ribRatio, "");
    EXPECT_EQ(result.judgement, Judgement::Ng);
}

struct WeldCase {
    const char* name;
    const char* fillet;
    const char* length;
    const char *throat, *stress, *ratio;
    Judgement verdict;
};

void PrintTo(const WeldCase& c, std::ostream* os) { *os << c.name; }

class WeldStageTest : public ::testing::TestWithParam<WeldCase> {};

TEST_P(WeldStageTest, ThroatIsUsedRounded)
{
    const auto& c = GetParam();
    DesignRecord r = workedExampleInputs();
    r.filletSize = c.fillet;
    r.weldLength = c.length;
    EXPECT_EQ(runWeldStage(r, 16.0), c.verdict);
    EXPECT_EQ(r.weldThroat, c.throat);
    EXPECT_EQ(r.weldShearStress, c.stress);
    EXPECT_EQ(r.weldRatio, c.ratio);
    EXPECT_FALSE(r.weldVerdict.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Welds, WeldStageTest,
    ::testing::Values(
        WeldCase{"WorkedExample", "0.6", "15", "0.42", "1.270", "0.941", Judgement::Ok},
        // 0.448 is used as 0.45: 16 / 13.5 = 1.185, not 16 / 13.44 = 1.190.
        WeldCase{"RoundedThroat", "0.64", "15", "0.45", "1.185", "0.878", Judgement::Ok},
        // The throat is 0.7 times the fillet: 0.70, where 0.707 would give 0.71.
        WeldCase{"ThroatFactor", "1", "15", "0.70", "0.762", "0.564", Judgement::Ok},
        WeldCase{"ZeroFillet", "0", "15", "0.00", "", "", Judgement::Ng},
        WeldCase{"ZeroLength", "0.6", "0", "0.42", "", "", Judgement::Ng},
        // 1.3495 / 1.35 = 0.99963 is shown as 1.000: NG.
        WeldCase{"RatioRoundingToOne", "0.6", "14.1144", "0.42", "1.350", "1.000", Judgement::Ng}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WeldStage, NoRibShearForceSkipsStressAndRatio)
{
    DesignRecord r = workedExampleInputs();
    EXPECT_EQ(runWeldStage(r, std::nullopt), Judgement::Ng);
    EXPECT_EQ(r.weldThroat, "0.42");
    EXPECT_EQ(r.weldShearStress, "");
}

} // namespace
