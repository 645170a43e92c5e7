#include "ui/reference/field_guidance.h"

#include "ui/reference/allowable_stress_window_host.h"
#include "ui/reference/guidance_label.h"
#include "ui/reference/hand_pointer.h"

#include <QLabel>

namespace flange {

namespace {

using enum GuidanceAction;

constexpr GuidanceEntry entries[] = {
    {"Label4", ShowReferenceFigure1, {}},       // (cm)ボルト列直径
    {"Label5", OpenAllowableStressWindow, {}},  // (t/cm2)許容引張応力度※
    {"Label6", ShowReferenceFigure1, {}},       // (cm)管の直径
    {"Label7", ShowReferenceFigure1, {}},       // (cm)フランジプレートの直径
    {"Label14", OpenAllowableStressWindow, {}}, // 面外荷重に対する許容曲げ応力度※
    {"Label17", ShowReferenceFigure2, {}},      // 参考図－２より
    {"Label16", OpenAllowableStressWindow, "Label6"}, // (t/cm2)許容せん断応力度※
    {"Label8", ShowReferenceFigure1, {}},             // (cm)リブプレート（RPL）厚さ
    {"Label9", ShowReferenceFigure1, {}},             // (cm)リブプレート（RPL）高さ
};

QString nameOf(std::string_view label)
{
    return QString::fromLatin1(label.data(), qsizetype(label.size()));
}

} // namespace

std::span<const GuidanceEntry> guidanceEntries()
{
    return entries;
}

FieldGuidance::FieldGuidance(QWidget* inputPane, AllowableStressWindowHost* window)
    : QObject(inputPane), inputPane_(inputPane), window_(window)
{
    const QCursor hand = handPointer();
    for (const GuidanceEntry& entry : entries) {
        auto* label = inputPane->findChild<QLabel*>(nameOf(entry.label));
        if (!label)
            continue;
        auto* guidance = new GuidanceLabel(label, hand);
        connect(guidance, &GuidanceLabel::clicked, this, [this, &entry] { run(entry); });
    }
}

GuidanceLabel* FieldGuidance::guidance(const QString& labelName) const
{
    const auto* label = inputPane_->findChild<QLabel*>(labelName);
    return label ? label->findChild<GuidanceLabel*>(QString(), Qt::FindDirectChildrenOnly)
                 : nullptr;
}

void FieldGuidance::run(const GuidanceEntry& entry)
{
    switch (entry.action) {
    case ShowReferenceFigure1:
        emit showReferenceFigure1();
        break;
    case ShowReferenceFigure2:
        emit showReferenceFigure2();
        break;
    case OpenAllowableStressWindow:
        window_->open();
        break;
    }
    if (!entry.arrowAfterClick.empty())
        if (GuidanceLabel* other = guidance(nameOf(entry.arrowAfterClick)))
            other->showArrowPointer();
}

} // namespace flange
