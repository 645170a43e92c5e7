// The hints on designs just inside and just outside each limit, and that finding them leaves the
// design alone.

#include "calc/calculate_actions.h"
#include "calc/hints.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace flange;
using R = DesignRecord;
using Change = std::function<void(DesignRecord&)>;

// The worked example as calculated through step B shape, with an α0 read off the chart (0.150 at
// 1.25): it raises no hint.
DesignRecord clean()
{
    DesignRecord r = flange::testing::workedExampleInputs();
    r.alpha0 = "0.15";
    r.edgeRatio = "1.25";
    return r;
}

Change set(TextField field, std::string text)
{
    return [field, text](DesignRecord& r) { r.*field = text; };
}

Change both(Change a, Change b)
{
    return [a, b](DesignRecord& r) { a(r), b(r); };
}

struct Row {
    const char* name;
    Change change;
    std::vector<HintKind> kinds;
    std::string message = {}; // of the first hint, where the row checks it
    std::vector<TextField> fields = {};
};

// Named in test names and failure messages by its name, not by a dump of its bytes.
void PrintTo(const Row& c, std::ostream* os) { *os << c.name; }

using K = HintKind;
// clang-format off
const std::string lowAlpha0 =
    "図－２では Ly/Lx＝1.25 のとき α0≈0.150 です（入力 0.12）。"
    "α0 が小さいと M0 とプレート厚さを小さく見積もります。";

const Row rows[] = {
    {"clean", [](DesignRecord&) {}, {}},
    // α0 against the chart (0.1496 at 1.25, quoted and compared as 0.150).
    {"alpha0 within allowance", set(&R::alpha0, "0.145"), {}},
    {"alpha0 past allowance", set(&R::alpha0, "0.144"), {K::Alpha0BelowChart}},
    {"worked example alpha0", set(&R::alpha0, " 0.12 "), {K::Alpha0BelowChart}, lowAlpha0,
     {&R::alpha0, &R::edgeRatio}},
    {"alpha0 above chart", set(&R::alpha0, "0.3"), {}},
    {"ratio not computed", both(set(&R::edgeRatio, ""), set(&R::alpha0, "0.01")), {}},
    {"alpha0 unreadable", set(&R::alpha0, "0.l2"), {K::UnreadableNumber}},
    {"ratio at chart start", set(&R::edgeRatio, "0.50"), {}},
    {"ratio before chart", set(&R::edgeRatio, "0.49"), {K::RatioOutsideChart},
     "Ly/Lx＝0.49 は図－２の範囲（0.5～4）の外にあり、α0 を図から読めません。"},
    {"ratio at chart end", both(set(&R::edgeRatio, "4.00"), set(&R::alpha0, "0.61")), {}},
    {"ratio past chart", both(set(&R::edgeRatio, "4.01"), set(&R::alpha0, "0.61")),
     {K::RatioOutsideChart}},
    {"negative ratio", set(&R::edgeRatio, "-1.25"), {K::RatioOutsideChart}},
    // Unreadable numbers.
    {"shear force typo", set(&R::shearForce, "5t"), {K::UnreadableNumber},
     "「5t」は数値として読めません。", {&R::shearForce}},
    {"full-width digits", set(&R::shearForce, "５．０"), {}},
    {"single blank", set(&R::ribHeight, " "), {K::UnreadableNumber}},
    {"empty input", set(&R::ribHeight, ""), {}},
    {"bolt size is no number", set(&R::boltSize, "M27"), {}},
    // Bolt circle against pipe and bolt (Ｍ27: d = 2.7, φ0 21.63).
    {"holes clear the pipe", set(&R::boltCircleDiameter, "24.34"), {}},
    {"holes touch the pipe", set(&R::boltCircleDiameter, "24.33"), {K::Geometry},
     "ボルト列直径 D1＝24.33 cm が 管の直径 φ0＋ボルト径 d＝21.63＋2.7＝24.33 cm 以下です。"
     "ボルト孔が管にかかります。",
     {&R::boltCircleDiameter, &R::pipeDiameter, &R::boltSize}},
    {"size not in table", both(set(&R::boltSize, "Ｍ36"), set(&R::boltCircleDiameter, "24.33")),
     {}},
    // Flange against bolt circle (D1 30).
    {"holes clear the flange edge", set(&R::flangeDiameter, "32.71"), {}},
    {"holes reach the flange edge", set(&R::flangeDiameter, "32.7"), {K::Geometry}},
    // Pitch π·30/n against d = 2.7.
    {"34 bolts fit", set(&R::boltCount, "34"), {}},
    {"35 bolts overlap", set(&R::boltCount, "35"), {K::Geometry},
     "ボルトピッチ π×D1／n＝π×30／35＝2.69 cm が ボルト径 d＝2.7 cm より小さく、"
     "ボルト孔が重なります。"},
    // Weld and fillet against the rib (h1 15, t1 0.9).
    {"weld as long as rib", set(&R::weldLength, "15"), {}},
    {"weld longer than rib", set(&R::weldLength, "15.01"), {K::Geometry},
     "溶接長 L4＝15.01 cm が リブプレート高さ h1＝15 cm より長くなっています。",
     {&R::weldLength, &R::ribHeight}},
    {"fillet as thick as rib", set(&R::filletSize, "0.9"), {}},
    {"fillet thicker than rib", set(&R::filletSize, "0.91"), {K::Geometry}},
    // Bolt count and non-positive values.
    {"one bolt", set(&R::boltCount, "1"), {}},
    {"fractional count", set(&R::boltCount, "8.5"), {K::Geometry},
     "使用本数 n＝8.5 は 1 以上の整数ではありません。"},
    {"no bolts", set(&R::boltCount, "0"), {K::Geometry}},
    {"small area", set(&R::boltArea, "0.01"), {}},
    {"zero area", set(&R::boltArea, "0"), {K::Geometry}, "使用ボルト断面積 A3＝0 が 0 以下です。"},
    {"negative allowable stress", set(&R::plateAllowableBending, "-1.6"), {K::Geometry},
     "面外荷重に対する許容曲げ応力度 fb1＝-1.6 が 0 以下です。"},
    {"zero bolt circle hides its relations", set(&R::boltCircleDiameter, "0"), {K::Geometry}},
    {"loads may be zero or negative",
     both(set(&R::shearForce, "0"), set(&R::bendingMoment, "-600")), {}},
    // Several at once, in order: chart, unreadable, geometry.
    {"order", both(both(set(&R::alpha0, "0.12"), set(&R::shearForce, "x")),
                   set(&R::filletSize, "1")),
     {K::Alpha0BelowChart, K::UnreadableNumber, K::Geometry}},
};
// clang-format on

class Hints : public ::testing::TestWithParam<Row> {};

TEST_P(Hints, AreRaisedExactlyPastTheirLimits)
{
    const Row& row = GetParam();
    DesignRecord record = clean();
    row.change(record);
    const std::vector<Hint> hints = findHints(record);
    std::vector<HintKind> kinds;
    for (const Hint& hint : hints)
        kinds.push_back(hint.kind);
    ASSERT_EQ(kinds, row.kinds);
    if (!row.message.empty()) {
        EXPECT_EQ(hints.front().message, row.message);
    }
    if (!row.fields.empty()) {
        EXPECT_EQ(hints.front().fields, row.fields);
    }
    for (const Hint& hint : hints)
        EXPECT_EQ(hint.chart.has_value(), hint.kind == K::Alpha0BelowChart);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Hints, ::testing::ValuesIn(rows),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(HintKinds, HaveTheirCheckerNames)
{
    EXPECT_EQ(hintKindName(K::Alpha0BelowChart), "alpha0-below-chart");
    EXPECT_EQ(hintKindName(K::RatioOutsideChart), "ratio-outside-chart");
    EXPECT_EQ(hintKindName(K::UnreadableNumber), "unreadable-number");
    EXPECT_EQ(hintKindName(K::Geometry), "geometry");
}

// The worked example as typed raises the α0 hint with the chart's 0.150 and still calculates and
// judges as before: the file and the report, written from the record, see nothing of it.
TEST(HintKinds, LeaveTheDesignAlone)
{
    const DesignRecord typed = flange::testing::workedExampleInputs();
    const CalculationOutcome outcome = calculatePlateThickness(typed);
    const DesignRecord calculated = outcome.record;
    const std::vector<Hint> hints = findHints(calculated);
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_DOUBLE_EQ(*hints.front().chart, 0.150);
    EXPECT_EQ(calculated, outcome.record);
    EXPECT_EQ(calculateWelds(typed).record, calculateWelds(calculated).record);
    EXPECT_EQ(outcome.record.requiredThickness, "1.55");
    EXPECT_EQ(outcome.record.thicknessVerdict.text, "(cm) < t ・・ＯＫ");
}

} // namespace

// clang-format on