#include "calc/field_catalog.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace flange {

namespace {

using R = DesignRecord;

constexpr std::array<FieldInfo, 17> inputs{{
    {&R::boltSize, "boltSize", "Combo1", "使用ボルト", "", "使用ボルト"},
    {&R::boltArea, "boltArea", "Text2", "(cm2)使用ボルト断面積", "cm2", "(cm2)使用ボルト断面積"},
    {&R::boltCount, "boltCount", "Text3", "(本)使用本数", "本", "(本)使用本数"},
    {&R::boltCircleDiameter, "boltCircleDiameter", "Text4", "(cm)ボルト列直径", "cm",
     "(cm)ボルト列直径"},
    {&R::boltAllowableTension, "boltAllowableTension", "Text5", "(t/cm2)許容引張応力度※", "t/cm2",
     "(t/cm2)許容引張応力度※"},
    {&R::pipeDiameter, "pipeDiameter", "Text6", "(cm)管の直径", "cm", "(cm)管の直径"},
    {&R::flangeDiameter, "flangeDiameter", "Text7", "(cm)フランジプレートの直径", "cm",
     "(cm)フランジプレートの直径"},
    {&R::ribThickness, "ribThickness", "Text8", "(cm)リブプレート（RPL）厚さ", "cm",
     "(cm)リブプレート（RPL）厚さ"},
    {&R::ribHeight, "ribHeight", "Text9", "(cm)リブプレート（RPL）高さ", "cm",
     "(cm)リブプレート（RPL）高さ"},
    {&R::filletSize, "filletSize", "Text10", "(cm)すみ肉", "cm", "(cm)すみ肉"},
    {&R::weldLength, "weldLength", "Text11", "(cm)溶接長 (h1－スカラップ半径)", "cm",
     "(cm)溶接長 (h1－スカラップ半径)"},
    {&R::shearForce, "shearForce", "Text12", "(t)せん断力", "t", "(t)せん断力"},
    {&R::bendingMoment, "bendingMoment", "Text13", "(t・cm)曲げモーメント", "t・cm",
     "(t・cm)曲げモーメント"},
    // Its label shows "応力度" on a second line, pushed there by a run of blanks.
    {&R::plateAllowableBending, "plateAllowableBending", "Text14",
     "(t/cm2)面外荷重に対する許容曲げ※応力度", "t/cm2",
     "(t/cm2)面外荷重に対する許容曲げ※                               応力度"},
    {&R::flangeThickness, "flangeThickness", "Text15", "(cm)使用フランジプレート厚さ(仮定)", "cm",
     "(cm)使用フランジプレート厚さ(仮定)"},
    {&R::allowableShear, "allowableShear", "Text16", "(t/cm2)許容せん断応力度※", "t/cm2",
     "(t/cm2)許容せん断応力度※"},
    {&R::alpha0, "alpha0", "Text17", "参考図－２より", "", "参考図－２より"},
}};

constexpr std::array<FieldInfo, 16> results{{
    {&R::boltTension, "boltTension", "Text18", "ボルト１本当り引張力", "t",
     "(t)ボルト１本当り引張力"},
    {&R::boltShear, "boltShear", "Text19", "ボルト１本当りせん断力", "t",
     "(t)ボルト１本当りせん断力"},
    {&R::boltStress, "boltStress", "Text20", "引張応力度", "t/cm2", "(t/cm2)引張り応力"},
    {&R::boltRatio, "boltRatio", "Text21", "ボルト応力度比 σt/(ft0×1.5)", ""},
    {&R::freeEdgeLength, "freeEdgeLength", "Text22", "自由辺長", "cm", "(cm)自由辺長"},
    {&R::fixedEdgeLength, "fixedEdgeLength", "Text23", "固定辺長", "cm", "(cm)固定辺長 "},
    {&R::unitCompressiveStress, "unitCompressiveStress", "Text24", "単位圧縮応力度", "t/cm2",
     "(t/cm2)単位圧縮応力度"},
    {&R::edgeRatio, "edgeRatio", "Text25", "三辺固定版 Ly/Lx", "", "三辺固定版"},
    {&R::freeEdgeMoment, "freeEdgeMoment", "Text26", "自由辺曲げモーメント", "t・cm/cm",
     "(t・cm/cm)自由辺曲げﾓｰﾒﾝﾄ"},
    {&R::requiredThickness, "requiredThickness", "Text27", "プレート厚さ", "cm"},
    {&R::ribShearForce, "ribShearForce", "Text28", "リブプレートせん断力", "t", "せん断力   t"},
    {&R::ribShearStress, "ribShearStress", "Text29", "リブプレートせん断応力度", "t/cm2",
     "せん断応力度   t/cm2"},
    {&R::ribRatio, "ribRatio", "Text30", "リブプレート応力度比 τ/(fS×1.5)", ""},
    {&R::weldThroat, "weldThroat", "Text31", "のど厚", "cm", "のど厚        cm"},
    {&R::weldShearStress, "weldShearStress", "Text32", "溶接せん断応力度", "t/cm2",
     "せん断応力度  t/cm2"},
    {&R::weldRatio, "weldRatio", "Text33", "溶接応力度比 τS/(fS×1.5)", ""},
}};

constexpr std::array<VerdictInfo, 4> verdicts{{
    {&R::boltVerdict, "boltVerdict", "Label22"},
    {&R::thicknessVerdict, "thicknessVerdict", "Label29"},
    {&R::ribVerdict, "ribVerdict", "Label33"},
    {&R::weldVerdict, "weldVerdict", "Label37"},
}};

} // namespace

std::span<const FieldInfo> inputFieldInfos() { return inputs; }
std::span<const FieldInfo> resultFieldInfos() { return results; }
std::span<const VerdictInfo> verdictInfos() { return verdicts; }

const FieldInfo& fieldInfo(TextField field)
{
    if (auto it = std::ranges::find(inputs, field, &FieldInfo::field); it != inputs.end())
        return *it;
    if (auto it = std::ranges::find(results, field, &FieldInfo::field); it != results.end())
        return *it;
    throw std::invalid_argument("field not in the design record catalogue");
}

} // namespace flange
