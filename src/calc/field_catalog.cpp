#include "calc/field_catalog.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace flange {

namespace {

using R = DesignRecord;

constexpr std::array<FieldInfo, 17> inputs{{
    {&R::boltSize, "boltSize", "Combo1", "使用ボルト", ""},
    {&R::boltArea, "boltArea", "Text2", "(cm2)使用ボルト断面積", "cm2"},
    {&R::boltCount, "boltCount", "Text3", "(本)使用本数", "本"},
    {&R::boltCircleDiameter, "boltCircleDiameter", "Text4", "(cm)ボルト列直径", "cm"},
    {&R::boltAllowableTension, "boltAllowableTension", "Text5", "(t/cm2)許容引張応力度※", "t/cm2"},
    {&R::pipeDiameter, "pipeDiameter", "Text6", "(cm)管の直径", "cm"},
    {&R::flangeDiameter, "flangeDiameter", "Text7", "(cm)フランジプレートの直径", "cm"},
    {&R::ribThickness, "ribThickness", "Text8", "(cm)リブプレート（RPL）厚さ", "cm"},
    {&R::ribHeight, "ribHeight", "Text9", "(cm)リブプレート（RPL）高さ", "cm"},
    {&R::filletSize, "filletSize", "Text10", "(cm)すみ肉", "cm"},
    {&R::weldLength, "weldLength", "Text11", "(cm)溶接長 (h1－スカラップ半径)", "cm"},
    {&R::shearForce, "shearForce", "Text12", "(t)せん断力", "t"},
    {&R::bendingMoment, "bendingMoment", "Text13", "(t・cm)曲げモーメント", "t・cm"},
    {&R::plateAllowableBending, "plateAllowableBending", "Text14",
     "(t/cm2)面外荷重に対する許容曲げ※応力度", "t/cm2"},
    {&R::flangeThickness, "flangeThickness", "Text15", "(cm)使用フランジプレート厚さ(仮定)", "cm"},
    {&R::allowableShear, "allowableShear", "Text16", "(t/cm2)許容せん断応力度※", "t/cm2"},
    {&R::alpha0, "alpha0", "Text17", "参考図－２より", ""},
}};

constexpr std::array<FieldInfo, 16> results{{
    {&R::boltTension, "boltTension", "Text18", "ボルト１本当り引張力", "t"},
    {&R::boltShear, "boltShear", "Text19", "ボルト１本当りせん断力", "t"},
    {&R::boltStress, "boltStress", "Text20", "引張応力度", "t/cm2"},
    {&R::boltRatio, "boltRatio", "Text21", "ボルト応力度比 σt/(ft0×1.5)", ""},
    {&R::freeEdgeLength, "freeEdgeLength", "Text22", "自由辺長", "cm"},
    {&R::fixedEdgeLength, "fixedEdgeLength", "Text23", "固定辺長", "cm"},
    {&R::unitCompressiveStress, "unitCompressiveStress", "Text24", "単位圧縮応力度", "t/cm2"},
    {&R::edgeRatio, "edgeRatio", "Text25", "三辺固定版 Ly/Lx", ""},
    {&R::freeEdgeMoment, "freeEdgeMoment", "Text26", "自由辺曲げモーメント", "t・cm/cm"},
    {&R::requiredThickness, "requiredThickness", "Text27", "プレート厚さ", "cm"},
    {&R::ribShearForce, "ribShearForce", "Text28", "リブプレートせん断力", "t"},
    {&R::ribShearStress, "ribShearStress", "Text29", "リブプレートせん断応力度", "t/cm2"},
    {&R::ribRatio, "ribRatio", "Text30", "リブプレート応力度比 τ/(fS×1.5)", ""},
    {&R::weldThroat, "weldThroat", "Text31", "のど厚", "cm"},
    {&R::weldShearStress, "weldShearStress", "Text32", "溶接せん断応力度", "t/cm2"},
    {&R::weldRatio, "weldRatio", "Text33", "溶接応力度比 τS/(fS×1.5)", ""},
}};

constexpr std::array<JudgementInfo, 4> judgements{{
    {&R::boltVerdict, "boltVerdict"},
    {&R::thicknessVerdict, "thicknessVerdict"},
    {&R::ribVerdict, "ribVerdict"},
    {&R::weldVerdict, "weldVerdict"},
}};

} // namespace

std::span<const FieldInfo> inputFieldInfos() { return inputs; }
std::span<const FieldInfo> resultFieldInfos() { return results; }
std::span<const JudgementInfo> judgementInfos() { return judgements; }

const FieldInfo& fieldInfo(TextField field)
{
    if (auto it = std::ranges::find(inputs, field, &FieldInfo::field); it != inputs.end())
        return *it;
    if (auto it = std::ranges::find(results, field, &FieldInfo::field); it != results.end())
        return *it;
    throw std::invalid_argument("field not in the design record catalogue");
}

} // namespace flange
