// The design assistant's proposals for the example designs, and a property over random designs:
// every proposal, applied, walks to the step where the design stopped with every judgement OK.

#include "suggest/suggestions.h"

#include "calc/bolt_size_table.h"
#include "calc/hints.h"
#include "suggest/suggestion_text.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using flange::SuggestionKind;
using flange::WalkStatus;

struct ExampleCase {
    const char* file;
    std::vector<std::string> suggestions; // as the listing writes them
};

void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.file; }

class ExampleSuggestions : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleSuggestions, AreTheSmallestChangesThatPass)
{
    const auto& c = GetParam();
    const auto inputs = flange::testing::exampleFile(QString::fromUtf8(c.file));
    const auto walk = flange::walkDesign(inputs);
    std::vector<std::string> texts;
    for (const auto& suggestion : flange::findSuggestions(inputs, walk))
        texts.push_back(flange::suggestionText(suggestion, walk.record));
    EXPECT_EQ(texts, c.suggestions);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleSuggestions,
    ::testing::Values(
        ExampleCase{"bolt-ng.sou", {
            "使用ボルトを Ｍ27 から Ｍ30 に：ボルト応力度比 σt/(ft0×1.5)＝0.900 で ＯＫ",
            "使用本数を 8 から 9 本 に（α0 は図－２から 0.117 に）：三辺固定版 Ly/Lx＝1.12、ボルト応力度比 σt/(ft0×1.5)＝0.986 で ＯＫ",
            "ボルト列直径を 30 から 33.5 cm に（α0 は図－２から 0.188 に）：三辺固定版 Ly/Lx＝1.39、ボルト応力度比 σt/(ft0×1.5)＝0.990 で ＯＫ"}},
        // More bolts would make the plate panel too narrow to read α0; a wider circle would put
        // the holes past the flange edge.
        ExampleCase{"file-format-example.sou", {
            "使用ボルトを Ｍ20 から Ｍ30 に：ボルト応力度比 σt/(ft0×1.5)＝0.942 で ＯＫ",
            "使用本数（8 本）：この入力だけでは ＯＫ になりません",
            "ボルト列直径（40 cm）：この入力だけでは ＯＫ になりません"}},
        // Ｍ22 would pass, but the search ends at three times the area.
        ExampleCase{"small-bolt-ng.sou", {
            "使用ボルト（Ｍ12）：この入力だけでは ＯＫ になりません",
            "使用本数（8 本）：この入力だけでは ＯＫ になりません",
            "ボルト列直径（30 cm）：この入力だけでは ＯＫ になりません"}},
        ExampleCase{"thickness-ng.sou", {
            "使用フランジプレート厚さ(仮定)を 1.5 から 1.6 cm に：プレート厚さ＝1.55 cm で ＯＫ",
            "使用本数を 8 から 10 本 に（α0 は図－２から 0.093 に）：三辺固定版 Ly/Lx＝1.01、プレート厚さ＝1.36 cm で ＯＫ",
            "図－２の α0＝0.150 なら t＝1.73 cm（仮定 1.5 cm で ＮＧ）"}},
        ExampleCase{"rib-ng.sou", {
            "リブプレート（RPL）厚さを 0.6 から 0.8 cm に：リブプレート応力度比 τ/(fS×1.5)＝0.987 で ＯＫ",
            "リブプレート（RPL）高さを 15 から 20 cm に：リブプレート応力度比 τ/(fS×1.5)＝0.987 で ＯＫ",
            "図－２の α0＝0.150 なら t＝1.73 cm（仮定 2.2 cm で ＯＫ）"}},
        // The fillet may grow to the rib thickness, the weld to the rib height.
        ExampleCase{"weld-ng.sou", {
            "すみ肉を 0.6 から 0.9 cm に：溶接応力度比 τS/(fS×1.5)＝0.941 で ＯＫ",
            "溶接長を 10 から 15 cm に：溶接応力度比 τS/(fS×1.5)＝0.941 で ＯＫ",
            "図－２の α0＝0.150 なら t＝1.73 cm（仮定 2.2 cm で ＯＫ）"}},
        ExampleCase{"worked-example.sou", {
            "図－２の α0＝0.150 なら t＝1.73 cm（仮定 2.2 cm で ＯＫ）"}}),
    [](const auto& info) {
        std::string name = info.param.file;
        name.resize(name.find('.'));
        std::erase(name, '-');
        return name;
    });
// clang-format on

// Designs around the worked example: every number scaled, a random bolt size and count.
flange::DesignInputs randomDesign(std::mt19937& random)
{
    flange::DesignInputs inputs = flange::testing::workedExampleFile();
    std::uniform_real_distribution<double> scale(0.6, 1.5);
    const auto size = std::uniform_int_distribution<std::size_t>(0, 7)(random);
    inputs[0] = std::string(flange::boltSizeTable[size].itemText);
    inputs[1] = std::string(flange::boltSizeTable[size].areaText);
    inputs[2] = std::to_string(std::uniform_int_distribution<int>(4, 16)(random));
    for (std::size_t i = 3; i < inputs.size(); ++i) {
        const double value = std::stod(inputs[i]) * scale(random);
        inputs[i] = std::to_string(std::round(value * 100.0) / 100.0);
    }
    return inputs;
}

TEST(RandomDesigns, EverySuggestionPassesWhereTheDesignStopped)
{
    std::mt19937 random(17);
    int proved = 0;
    std::set<flange::Step> mended;
    for (int i = 0; i < 3000; ++i) {
        const auto inputs = randomDesign(random);
        const auto walk = flange::walkDesign(inputs);
        const auto hintsBefore = flange::findHints(walk.record);
        for (const auto& suggestion : flange::findSuggestions(inputs, walk)) {
            if (suggestion.kind != SuggestionKind::Passes)
                continue;
            SCOPED_TRACE(flange::suggestionText(suggestion, walk.record));
            const auto applied =
                flange::walkDesign(flange::applySuggestion(inputs, suggestion), walk.step);
            EXPECT_EQ(suggestion.step, *flange::stepToMend(walk));
            EXPECT_EQ(applied.status, WalkStatus::Ok) << "OK up to the step where it stopped";
            for (const auto& hint : flange::findHints(applied.record)) {
                if (hint.kind == flange::HintKind::Geometry) {
                    EXPECT_TRUE(std::ranges::any_of(hintsBefore, [&](const auto& before) {
                        return before.fields == hint.fields;
                    })) << hint.message;
                }
            }
            ++proved;
            mended.insert(suggestion.step);
        }
    }
    EXPECT_GT(proved, 1000) << "the random designs exercise the searches";
    EXPECT_EQ(mended.size(), 4u) << "bolts, plate thickness, ribs and welds";
}

} // namespace
