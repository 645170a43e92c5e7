#include "ui/reference/field_guidance.h"

#include "ui/reference/allowable_stress_window_host.h"
#include "ui/reference/guidance_label.h"
#include "ui/reference/hand_pointer.h"

#include <QLabel>

namespace flange {

namespace {

using enum GuidanceAction;
using R = DesignRecord;

constexpr GuidanceEntry entries[] = {
    {&R::boltCircleDiameter, ShowReferenceFigure1, nullptr},        // (cm)ボルト列直径
    {&R::boltAllowableTension, OpenAllowableStressWindow, nullptr}, // (t/cm2)許容引張応力度※
    {&R::pipeDiameter, ShowReferenceFigure1, nullptr},              // (cm)管の直径
    {&R::flangeDiameter, ShowReferenceFigure1, nullptr}, // (cm)フランジプレートの直径
    {&R::plateAllowableBending, OpenAllowableStressWindow,
     nullptr},                                   // 面外荷重に対する許容曲げ応力度※
    {&R::alpha0, ShowReferenceFigure2, nullptr}, // 参考図－２より
    {&R::allowableShear, OpenAllowableStressWindow, &R::pipeDiameter}, // (t/cm2)許容せん断応力度※
    {&R::ribThickness, ShowReferenceFigure1, nullptr}, // (cm)リブプレート（RPL）厚さ
    {&R::ribHeight, ShowReferenceFigure1, nullptr},    // (cm)リブプレート（RPL）高さ
};

} // namespace

std::span<const GuidanceEntry> guidanceEntries() { return entries; }

FieldGuidance::FieldGuidance(QObject* parent, CaptionLookup captionOf,
                             AllowableStressWindowHost& window)
    : QObject(parent), captionOf_(std::move(captionOf)), window_(window)
{
    const QCursor hand = handPointer();
    for (const GuidanceEntry& entry : entries) {
        QLabel* label = captionOf_(entry.field);
        if (!label)
            continue;
        auto* guidance = new GuidanceLabel(label, hand);
        connect(guidance, &GuidanceLabel::clicked, this, [this, &entry] { run(entry); });
    }
}

GuidanceLabel* FieldGuidance::guidance(TextField field) const
{
    const QLabel* label = captionOf_(field);
    return label ? label->findChild<GuidanceLabel*>(QString(), Qt::FindDirectChildrenOnly)
                 : nullptr;
}

void FieldGuidance::run(const GuidanceEntry& entry)
{
    switch (entry.action) {
    case ShowReferenceFigure1: emit showReferenceFigure1(); break;
    case ShowReferenceFigure2: emit showReferenceFigure2(); break;
    case OpenAllowableStressWindow: window_.open(); break;
    }
    if (entry.arrowAfterClick)
        if (GuidanceLabel* other = guidance(entry.arrowAfterClick))
            other->showArrowPointer();
}

} // namespace flange
