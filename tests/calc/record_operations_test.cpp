// The record operations every stage relies on: judgements, result writing and the bolt size list.

#include "calc/bolt_size_table.h"
#include "calc/record_operations.h"

#include <gtest/gtest.h>

namespace {

using namespace flange;

struct JudgeCase {
    const char* name;
    const char* ratioText;
    Judgement expected;
};

// Named in test names and failure messages by its name, not by a dump of its bytes.
void PrintTo(const JudgeCase& c, std::ostream* os) { *os << c.name; }

class JudgeRatioTest : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(JudgeRatioTest, FromZeroToBelowOneIsOkEverythingElseNg)
{
    DesignRecord r;
    r.boltRatio = GetParam().ratioText;
    EXPECT_EQ(judgeRatio(r, &DesignRecord::boltRatio), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ratios, JudgeRatioTest,
                         ::testing::Values(JudgeCase{"WellBelow", "0.831", Judgement::Ok},
                                           JudgeCase{"JustBelow", "0.999", Judgement::Ok},
                                           JudgeCase{"RoundedToOne", "1.000", Judgement::Ng},
                                           JudgeCase{"Above", "1.250", Judgement::Ng},
                                           JudgeCase{"Zero", "0.000", Judgement::Ok},
                                           JudgeCase{"Negative", "-0.500", Judgement::Ng},
                                           JudgeCase{"JustNegative", "-0.001", Judgement::Ng},
                                           // A check that computed nothing must never pass.
                                           JudgeCase{"Empty", "", Judgement::Ng},
                                           JudgeCase{"Blank", " ", Judgement::Ng},
                                           JudgeCase{"NotANumber", "abc", Judgement::Ng}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteRatioJudgement, WritesTheTextAndKeepsVisibility)
{
    DesignRecord r;
    writeRatioJudgement(r, &DesignRecord::ribVerdict, Judgement::Ng);
    EXPECT_EQ(r.ribVerdict, (JudgementLabel{"> 1.0・・・・・・・・ＮＧ", false}));
    r.ribVerdict.shown = true;
    writeRatioJudgement(r, &DesignRecord::ribVerdict, Judgement::Ok);
    EXPECT_EQ(r.ribVerdict, (JudgementLabel{"< 1.0・・・・・・・・ＯＫ", true}));
}

TEST(DesignRecord, JudgementsStartAtTheirCaptionsHidden)
{
    const DesignRecord r;
    EXPECT_EQ(r.boltVerdict, (JudgementLabel{"< 1.0", false}));
    EXPECT_EQ(r.thicknessVerdict, (JudgementLabel{"(cm) < t", false}));
    EXPECT_EQ(r.ribVerdict, (JudgementLabel{"< 1.0", false}));
    EXPECT_EQ(r.weldVerdict, (JudgementLabel{"< 1.0", false}));
}

TEST(WriteResult, UncomputableValueEmptiesTheField)
{
    DesignRecord r;
    r.boltTension = "10.00";
    EXPECT_FALSE(
        writeResult(r, &DesignRecord::boltTension, std::nullopt, NumberPattern::TwoDecimals));
    EXPECT_EQ(r.boltTension, "");
    const auto v = writeResult(r, &DesignRecord::boltTension, 9.996, NumberPattern::TwoDecimals);
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, 10.0); // the rounded value is what later steps use
    EXPECT_EQ(r.boltTension, "10.00");
}

TEST(SelectBoltSize, WritesTheTableAreaAsItStands)
{
    const char* expected[] = {"1.13", "2.01", "3.14", "3.8", "4.52", "5.73", "7.07", "8.55"};
    for (int i = 0; i < 8; ++i) {
        DesignRecord r;
        selectBoltSize(r, i);
        EXPECT_EQ(r.boltArea, expected[i]) << boltSizeTable[static_cast<std::size_t>(i)].itemText;
    }
    EXPECT_EQ(boltSizeTable[3].itemText, "Ｍ22");
}

TEST(SelectBoltSize, NoItemChosenWritesNothing)
{
    DesignRecord r;
    r.boltArea = "6.00";
    selectBoltSize(r, -1);
    selectBoltSize(r, 8);
    EXPECT_EQ(r.boltArea, "6.00");
}

TEST(MissingInputCheck, OnlyTheEmptyTextIsMissing)
{
    DesignRecord r;
    r.boltCount = " ";
    r.boltArea = "abc";
    const TextField both[] = {&DesignRecord::boltCount, &DesignRecord::boltArea};
    EXPECT_FALSE(missingInputCheck(r, both));
    const TextField withEmpty[] = {&DesignRecord::boltCount, &DesignRecord::shearForce};
    EXPECT_TRUE(missingInputCheck(r, withEmpty));
}

} // namespace
