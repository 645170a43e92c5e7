#pragma once

// Operations on the design record used by every calculation stage.

#include "calc/design_record.h"
#include "calc/number_text.h"

#include <optional>
#include <span>
#include <string_view>

namespace flange {

// How a check came out. Which judgements the window shows is the step flow's business; the
// calculations only write their texts.
enum class Judgement { Ok, Ng };

// The checks compare with the short-term allowable stresses: the long-term ones times this.
inline constexpr double shortTermFactor = 1.5;

// The judgement texts.
inline constexpr std::string_view ratioOkText = "< 1.0・・・・・・・・ＯＫ";
inline constexpr std::string_view ratioNgText = "> 1.0・・・・・・・・ＮＧ";
inline constexpr std::string_view thicknessOkText = "(cm) < t ・・ＯＫ";
inline constexpr std::string_view thicknessNgText = "(cm) > t ・・ＮＧ";

// The number the field's text denotes, or nothing when it is not a number (see parseNumber).
std::optional<double> readNumber(const DesignRecord& record, TextField field);

// Rounds a computed value to the pattern, writes the text into the result field and returns the
// rounded number, which every later step uses. A value that could not be computed (nothing, or not
// finite) leaves the field empty and returns nothing, so that later steps needing it are skipped.
std::optional<double> writeResult(DesignRecord& record, TextField field,
                                  std::optional<double> value, NumberPattern pattern);

// Reads a ratio field back: OK when its number is at least 0 and below 1.0; NG otherwise, and also
// when the field holds no number (a check that computed nothing must never pass).
Judgement judgeRatio(const DesignRecord& record, TextField ratioField);

// Writes the OK or NG text of a ratio judgement; whether it is shown stays as it was.
void writeRatioJudgement(DesignRecord& record, JudgementField field, Judgement judgement);

// Writes the bolt area of a bolt size list index into boltArea; an index outside the table
// (no item chosen) writes nothing.
void selectBoltSize(DesignRecord& record, int index);

// True when the text of any of the fields is empty. A blank or a non-number passes.
bool missingInputCheck(const DesignRecord& record, std::span<const TextField> fields);

} // namespace flange
