#include "calc/field_catalog.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace flange {

namespace {

using R = DesignRecord;

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

std::span<const FieldInfo> inputFieldInfos() { return designInputs; }
std::span<const FieldInfo> resultFieldInfos() { return results; }
std::span<const JudgementInfo> judgementInfos() { return judgements; }

const FieldInfo& fieldInfo(TextField field)
{
    if (auto it = std::ranges::find(designInputs, field, &FieldInfo::field);
        it != designInputs.end())
        return *it;
    if (auto it = std::ranges::find(results, field, &FieldInfo::field); it != results.end())
        return *it;
    throw std::invalid_argument("field not in the design record catalogue");
}

} // namespace flange
