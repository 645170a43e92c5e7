#pragma once

// The 17 inputs of a design, in one table: for each, its record field and name, the main-window
// control that edits it, the caption an engineer reads beside it, its unit, the step whose page
// edits it and whether the calculations read it as a number. The order of the table is the order
// of the design file. Everything else that lists inputs (the design file, the missing-input checks,
// the steps' pages, the checker's listing) is derived from it.

#include "calc/design_record.h"
#include "calc/design_steps.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flange {

// What the program knows about a text field of the design record.
struct FieldInfo {
    TextField field;
    std::string_view name;    // record field name, e.g. "boltArea"
    std::string_view control; // main-window control, e.g. "Text2"
    std::string_view caption; // what an engineer calls the value, e.g. in the checker's output
    std::string_view unit;    // e.g. "cm2"; empty for ratios and counts without unit
    std::optional<Step> step = std::nullopt; // for an input, the step whose page edits it
    bool number = true; // read as a number by the calculations (the bolt size is only a name)
};

// clang-format off
inline constexpr std::array<FieldInfo, 17> designInputs = [] {
    using R = DesignRecord;
    return std::array<FieldInfo, 17>{{
        {.field = &R::boltSize, .name = "boltSize", .control = "Combo1",
         .caption = "使用ボルト", .unit = "", .step = Step::A, .number = false},
        {.field = &R::boltArea, .name = "boltArea", .control = "Text2",
         .caption = "(cm2)使用ボルト断面積", .unit = "cm2", .step = Step::A},
        {.field = &R::boltCount, .name = "boltCount", .control = "Text3",
         .caption = "(本)使用本数", .unit = "本", .step = Step::A},
        {.field = &R::boltCircleDiameter, .name = "boltCircleDiameter", .control = "Text4",
         .caption = "(cm)ボルト列直径", .unit = "cm", .step = Step::A},
        {.field = &R::boltAllowableTension, .name = "boltAllowableTension", .control = "Text5",
         .caption = "(t/cm2)許容引張応力度※", .unit = "t/cm2", .step = Step::A},
        {.field = &R::pipeDiameter, .name = "pipeDiameter", .control = "Text6",
         .caption = "(cm)管の直径", .unit = "cm", .step = Step::BShape},
        {.field = &R::flangeDiameter, .name = "flangeDiameter", .control = "Text7",
         .caption = "(cm)フランジプレートの直径", .unit = "cm", .step = Step::BShape},
        {.field = &R::ribThickness, .name = "ribThickness", .control = "Text8",
         .caption = "(cm)リブプレート（RPL）厚さ", .unit = "cm", .step = Step::C},
        {.field = &R::ribHeight, .name = "ribHeight", .control = "Text9",
         .caption = "(cm)リブプレート（RPL）高さ", .unit = "cm", .step = Step::C},
        {.field = &R::filletSize, .name = "filletSize", .control = "Text10",
         .caption = "(cm)すみ肉", .unit = "cm", .step = Step::D},
        {.field = &R::weldLength, .name = "weldLength", .control = "Text11",
         .caption = "(cm)溶接長 (h1－スカラップ半径)", .unit = "cm", .step = Step::D},
        {.field = &R::shearForce, .name = "shearForce", .control = "Text12",
         .caption = "(t)せん断力", .unit = "t", .step = Step::A},
        {.field = &R::bendingMoment, .name = "bendingMoment", .control = "Text13",
         .caption = "(t・cm)曲げモーメント", .unit = "t・cm", .step = Step::A},
        {.field = &R::plateAllowableBending, .name = "plateAllowableBending", .control = "Text14",
         .caption = "(t/cm2)面外荷重に対する許容曲げ※応力度", .unit = "t/cm2",
         .step = Step::BThickness},
        {.field = &R::flangeThickness, .name = "flangeThickness", .control = "Text15",
         .caption = "(cm)使用フランジプレート厚さ(仮定)", .unit = "cm", .step = Step::BThickness},
        {.field = &R::allowableShear, .name = "allowableShear", .control = "Text16",
         .caption = "(t/cm2)許容せん断応力度※", .unit = "t/cm2", .step = Step::C},
        {.field = &R::alpha0, .name = "alpha0", .control = "Text17",
         .caption = "参考図－２より", .unit = "", .step = Step::BThickness},
    }};
}();
// clang-format on

// The 17 input fields in design file order (bolt size first, alpha0 last).
inline constexpr std::array<TextField, 17> inputFieldsInFileOrder = [] {
    std::array<TextField, 17> fields{};
    std::ranges::transform(designInputs, fields.begin(), &FieldInfo::field);
    return fields;
}();

// The inputs the calculations read as numbers, those of step A first, then those of each later
// step, each step's in file order: the calculate action of a step needs the first
// calculationInputCount(step) of them.
inline constexpr std::array<TextField, 16> calculationInputOrder = [] {
    std::array<TextField, 16> fields{};
    std::size_t n = 0;
    for (Step step : allSteps)
        for (const FieldInfo& input : designInputs)
            if (input.number && input.step == step)
                fields[n++] = input.field;
    return fields;
}();

inline constexpr std::size_t calculationInputCount(Step step)
{
    return static_cast<std::size_t>(std::ranges::count_if(
        designInputs, [step](const FieldInfo& i) { return i.number && *i.step <= step; }));
}

// The inputs the missing-input check of a step's calculate action covers: the numeric inputs of
// the step and of every earlier one.
inline constexpr std::span<const TextField> calculationInputs(Step step)
{
    return std::span(calculationInputOrder).first(calculationInputCount(step));
}

// The 17 input texts (UTF-8) in file order: boltSize, boltArea, ... alpha0.
using DesignInputs = std::array<std::string, 17>;

// The 17 inputs of the record in file order, and the other way round (only the inputs are set;
// results and judgements are left as they are).
DesignInputs inputsOf(const DesignRecord& record);
void applyInputs(DesignRecord& record, const DesignInputs& inputs);

} // namespace flange
