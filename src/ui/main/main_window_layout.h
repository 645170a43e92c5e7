#pragma once

// Where everything of the main window stands: one table of positions and sizes in twips, read by
// the panes that build the controls (twips.h converts them). Positions are from the top-left
// corner of the pane that holds the control.

#include "calc/design_record.h"
#include "flow/step.h"
#include "ui/common/control_factory.h"

#include <QRgb>

#include <array>

namespace flange::layout {

// The window's outer size at start-up, and the width of the input pane; the figure area takes the
// rest of the width.
inline constexpr int windowWidth = 11000;
inline constexpr int windowHeight = 7000;
inline constexpr int inputPaneWidth = 4900;

// Colours: the fields of the current step and the pane button whose pane the figure area shows.
// Settled fields and the other pane buttons keep the system's colours; the panes' grey is shared
// with the reference panes (ui/common/control_factory.h).
inline constexpr QRgb editableColour = qRgb(0xFF, 0xE0, 0xC0);
inline constexpr QRgb highlightColour = qRgb(0xC0, 0xFF, 0xFF);

// Input rows: the formula picture, the entry field and the caption label to its right.
inline constexpr int fieldLeft = 630;
inline constexpr int fieldWidth = 1000;
inline constexpr int fieldHeight = 285;
inline constexpr int boltSizeBoxHeight = 300;
inline constexpr int captionLeft = 1650;
inline constexpr qreal fieldFontPoints = 9.75;

// The rows in their order on the page; the entry field's name and the caption's text are the
// input's (calc/design_inputs.h).
struct InputRow {
    TextField field;
    int top;
    const char* picture; // nullptr: the row has no formula picture
    int pictureLeft;
    int pictureTop;
    const char* label;
    int labelTop;
    int labelWidth = 0; // 0: the label grows to fit its text
    int labelHeight = 0;
    const char* captionBreakAfter = nullptr; // the caption goes on a second line after this text
};

using R = DesignRecord;

// clang-format off
inline constexpr std::array<InputRow, 17> inputRows{{
    {&R::boltSize, 30, nullptr, 0, 0, "Label1", 90},
    {&R::boltArea, 330, "Image2", 24, 285, "Label2", 390},
    {&R::boltCount, 630, "Image3", 198, 675, "Label3", 690},
    {&R::shearForce, 930, "Image12", 48, 885, "Label12", 990},
    {&R::bendingMoment, 1230, "Image13", 6, 1185, "Label13", 1290},
    {&R::boltCircleDiameter, 1530, "Image4", 42, 1485, "Label4", 1590},
    {&R::boltAllowableTension, 1830, "Image5", 60, 1785, "Label5", 1890},
    {&R::pipeDiameter, 2130, "Image6", 48, 2085, "Label6", 2190},
    {&R::flangeDiameter, 2430, "Image7", 18, 2385, "Label7", 2490},
    {&R::plateAllowableBending, 2730, "Image14", 60, 2700, "Label14", 2700, 3150, 420, "許容曲げ※"},
    {&R::flangeThickness, 3030, "Image15", 78, 3000, "Label15", 3120},
    {&R::alpha0, 3330, "Image17", 48, 3285, "Label17", 3390},
    {&R::allowableShear, 3630, "Image16", 120, 3585, "Label16", 3690},
    {&R::ribThickness, 3930, "Image8", 144, 3885, "Label8", 3990},
    {&R::ribHeight, 4230, "Image9", 84, 4185, "Label9", 4290},
    {&R::filletSize, 4530, "Image10", 105, 4485, "Label10", 4590},
    {&R::weldLength, 4830, "Image11", 60, 4785, "Label11", 4890},
}};
// clang-format on

using flange::ButtonPlace;

// The calculate buttons, one per step in step order; only the current step's is shown, at the
// calculate position beside "クリア".
inline constexpr std::array<ButtonPlace, 5> calculateButtons{{
    {"Command3", "計　　算", 2520, 5280, 1140, 360},
    {"Command6", "計　　算", 2520, 5280, 1140, 360},
    {"Command19", "計　　算", 2520, 5280, 1140, 360},
    {"Command20", "計　　算", 2520, 5280, 1140, 360},
    {"Command16", "計　　算", 2520, 5280, 1140, 360},
}};

inline constexpr ButtonPlace clearButton{"Command4", "クリア", 3660, 5280, 1140, 360};

// The pane buttons: "ＴＯＰ" (results pane), the two reference figures and the α0 pane.
inline constexpr std::array<ButtonPlace, 4> paneButtons{{
    {"Command5", "ＴＯＰ", 90, 5700, 1140, 360},
    {"Command1", "参考図－１", 1230, 5700, 1140, 360},
    {"Command2", "参考図－２", 2370, 5700, 1140, 360},
    {"Command7", "α。とは？", 3510, 5700, 1140, 360},
}};
inline constexpr const char* alpha0ButtonToolTip = "α。の求め方";

// Results pane: one block per step, below those of the earlier steps.
inline constexpr int resultFieldWidth = 1100;
inline constexpr int resultFieldHeight = 270;
inline constexpr int stepButtonWidth = 1200;
inline constexpr int stepButtonHeight = 300;
inline constexpr qreal headingFontPoints = 11.25;

struct Placed {
    const char* name; // nullptr: the block has no such control
    int left;
    int top;
};

struct ResultBlock {
    Step step;
    Placed heading;
    Placed line; // underline from (left, top) to (lineEnd, top)
    int lineEnd;
    Placed picture;
    Placed headline;
    Placed judgement;
    Placed back;
    Placed next;
};

// clang-format off
inline constexpr std::array<ResultBlock, 5> resultBlocks{{
    {Step::A, {"Label18", 30, 30}, {"Line1", 60, 300}, 1860,
     {"Image22", 630, 720}, {"Text21", 2340, 780}, {"Label22", 3480, 840}, {nullptr, 0, 0},
     {"Command8", 4560, 1110}},
    {Step::BShape, {"Label23", 30, 1582}, {"Line2", 60, 1830}, 2280,
     {"Image26", 2100, 1980}, {"Text25", 3120, 2010}, {nullptr, 0, 0}, {"Command11", 3360, 2310},
     {"Command10", 4560, 2310}},
    {Step::BThickness, {nullptr, 0, 0}, {nullptr, 0, 0}, 0, {"Image28", 60, 2520},
     {"Text27", 3120, 2640}, {"Label29", 4250, 2700}, {"Command13", 3360, 3120},
     {"Command12", 4560, 3120}},
    {Step::C, {"Label30", 30, 3134}, {"Line3", 60, 3390}, 1860,
     {"Image31", 840, 3810}, {"Text30", 2340, 3870}, {"Label33", 3480, 3930},
     {"Command15", 3360, 4290}, {"Command14", 4560, 4290}},
    {Step::D, {"Label34", 30, 4686}, {"Line4", 60, 4950}, 930, {"Image34", 690, 5400},
     {"Text33", 2340, 5460}, {"Label37", 3480, 5520}, {"Command9", 3360, 5820}, {nullptr, 0, 0}},
}};
// clang-format on

inline constexpr const char* nextCaption = "next >>";
inline constexpr const char* backCaption = "<< back";

// The caption of the plate panel in block B shape.
inline constexpr Placed panelCaption{"Label27", 1080, 2070};
inline constexpr const char* panelCaptionText = "三辺固定版";

// The thickness judgement's companions: the subscript "0" after its "t", and "(仮定)" below it.
inline constexpr Placed thicknessSubscript{"Label45", 4980, 2760};
inline constexpr const char* thicknessSubscriptText = "0";
inline constexpr qreal thicknessSubscriptPoints = 6.75;
inline constexpr Placed thicknessAssumed{"Label43", 4650, 2910};
inline constexpr const char* thicknessAssumedText = "(仮定)";

} // namespace flange::layout
