#include "report/report_layout.h"

#include <array>

namespace flange {

namespace {

using R = DesignRecord;

// A line of fixed text only: a numbered heading or a remark.
constexpr ReportLine textLine(int y, std::string_view caption, int captionX)
{
    return {y, caption, captionX, {}, {}, nullptr, 0, {}, 0, nullptr};
}

// A caption, a formula picture, a field's text and a unit or remark; any but the field may be empty.
constexpr ReportLine valueLine(int y, std::string_view caption, int captionX,
                               std::string_view picture, TwipPoint pictureAt, TextField value,
                               int valueX, std::string_view unit = {}, int unitX = 0)
{
    return {y, caption, captionX, picture, pictureAt, value, valueX, unit, unitX, nullptr};
}

// A line ending in a judgement's text instead of a unit.
constexpr ReportLine judgedLine(int y, std::string_view caption, int captionX,
                                std::string_view picture, TwipPoint pictureAt, TextField value,
                                int valueX, JudgementField judgement, int judgementX)
{
    return {y, caption, captionX, picture, pictureAt, value, valueX, {}, judgementX, judgement};
}

// Columns: y, caption and its x, picture and its (x, y), field and its x, unit (or judgement) and x.
constexpr std::array boltLines{
    valueLine(5500, "使用ボルト", 4000, {}, {}, &R::boltSize, 6600),
    valueLine(5800, "使用ボルト断面積", 4000, "Image2", {6500, 5750}, &R::boltArea, 7300, "cm2",
              8200),
    valueLine(6100, "使用本数", 4000, "Image3", {6500, 6150}, &R::boltCount, 7300, " 本", 8200),
    textLine(6400, "１.存在合成応力", 2000),
    valueLine(6700, "せん断力", 3000, "Image12", {4900, 6650}, &R::shearForce, 5800,
              "t     　計算値又は潜在力値", 6800),
    valueLine(7000, "曲げモーメント", 3000, "Image13", {4900, 6950}, &R::bendingMoment, 5800,
              "t・cm   計算値又は潜在力値", 6800),
    textLine(7300, "２.断面算定", 2000),
    valueLine(7600, {}, 0, "Image4", {4900, 7550}, &R::boltCircleDiameter, 5900,
              "cm   注(ボルト列直径)", 6800),
    valueLine(7900, "許容引張応力度", 3000, "Image5", {4900, 7850}, &R::boltAllowableTension, 5900,
              "t/cm2", 6800),
    valueLine(8300, "ボルト１本当り引張力", 3000, "Image1", {6000, 8250}, &R::boltTension, 8500,
              "t", 9500),
    valueLine(8600, "ボルト１本当りせん断力", 3000, "Image20", {6000, 8550}, &R::boltShear, 8500,
              "t", 9500),
    valueLine(8900, "引張応力度", 3000, "Image21", {6000, 8850}, &R::boltStress, 8500, "t/cm2",
              9500),
    judgedLine(9400, {}, 0, "Image22", {3000, 9350}, &R::boltRatio, 5000, &R::boltVerdict, 6000),
};

constexpr std::array plateLines{
    textLine(10500, "１.形状算定", 2000),
    textLine(10800, "リブプレートに囲まれた部分を長方形とする三辺固定版として算定する。", 2500),
    valueLine(11100, "管の直径", 3000, "Image6", {5900, 11050}, &R::pipeDiameter, 6800, "cm", 7800),
    valueLine(11400, "フランジプレートの直径", 3000, "Image7", {5900, 11350}, &R::flangeDiameter,
              6800, "cm", 7800),
    valueLine(11700, "自由辺長", 3000, "Image23", {5900, 11650}, &R::freeEdgeLength, 8500, "cm",
              9500),
    valueLine(12000, "固定辺長", 3000, "Image24", {5900, 11950}, &R::fixedEdgeLength, 8500, "cm",
              9500),
    textLine(12300, "２.応力算定", 2000),
    valueLine(12600, "単位圧縮応力度", 3000, "Image25", {5900, 12550}, &R::unitCompressiveStress,
              8500, "t/cm2", 9500),
    valueLine(12900, "三辺固定版", 3000, "Image26", {5900, 12850}, &R::edgeRatio, 8500),
    valueLine(13200, "参考図－２より", 3000, "Image17", {5900, 13150}, &R::alpha0, 6800),
    valueLine(13500, "自由辺曲げモーメント", 3000, "Image27", {5900, 13450}, &R::freeEdgeMoment,
              8500, "t・cm/cm", 9500),
    textLine(13800, "３.断面算定", 2000),
    valueLine(14100, "面外荷重に対する許容曲げ応力度", 3000, "Image14", {7900, 14050},
              &R::plateAllowableBending, 8500, "t/cm2", 9500),
    valueLine(14400, "使用フランジプレート厚さ(仮定)", 3000, "Image15", {7900, 14350},
              &R::flangeThickness, 8500, "cmとする", 9500),
    judgedLine(14900, "プレート厚さ", 3000, "Image28", {4500, 14750}, &R::requiredThickness, 8000,
               &R::thicknessVerdict, 8800),
};

constexpr std::array ribLines{
    textLine(10000, "１.応力算定", 2000),
    valueLine(10300, "せん断力", 3000, "Image29", {5900, 10250}, &R::ribShearForce, 8500, "t",
              9500),
    textLine(10600, "２.断面算定", 2000),
    valueLine(10900, "許容せん断力応力度", 3000, "Image16", {5900, 10850}, &R::allowableShear, 6800,
              "t/cm2", 7800),
    valueLine(11200, "リブプレート(ＲＰＬ)厚さ", 3000, "Image8", {5900, 11150}, &R::ribThickness,
              6800, "cm", 7800),
    valueLine(11500, "リブプレート(ＲＰＬ)高さ", 3000, "Image9", {5900, 11450}, &R::ribHeight, 6800,
              "cm", 7800),
    valueLine(11800, "せん断応力度", 3000, "Image30", {5900, 11750}, &R::ribShearStress, 8500,
              "t/cm2", 9500),
    judgedLine(12300, {}, 0, "Image31", {3000, 12250}, &R::ribRatio, 5000, &R::ribVerdict, 6000),
};

constexpr std::array weldLines{
    textLine(13300, "１.断面算定", 2000),
    valueLine(13600, "すみ肉", 3000, "Image10", {5900, 13550}, &R::filletSize, 6800, "cm", 7800),
    valueLine(13900, "のど厚", 3000, "Image32", {5900, 13850}, &R::weldThroat, 8500, "cm", 9500),
    valueLine(14200, "溶接長", 3000, "Image11", {5900, 14150}, &R::weldLength, 6800, "cm", 7800),
    valueLine(14500, "せん断応力度", 3000, "Image33", {5900, 14450}, &R::weldShearStress, 8500,
              "t/cm2", 9500),
    judgedLine(15000, {}, 0, "Image34", {3000, 14950}, &R::weldRatio, 5000, &R::weldVerdict, 6000),
};

} // namespace

std::span<const ReportLine> boltSectionLines() { return boltLines; }
std::span<const ReportLine> plateSectionLines() { return plateLines; }
std::span<const ReportLine> ribSectionLines() { return ribLines; }
std::span<const ReportLine> weldSectionLines() { return weldLines; }

} // namespace flange
