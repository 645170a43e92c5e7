#include "ui/main/results_pane.h"

#include "calc/field_catalog.h"
#include "flow/step_flow.h"
#include "ui/common/control_factory.h"
#include "ui/common/gothic_font.h"
#include "ui/common/stored_picture.h"
#include "ui/common/twips.h"
#include "ui/main/main_window_layout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace flange {

namespace {

// The judgements have no caption on screen; these name them for screen readers and UI automation.
struct JudgementName {
    JudgementField field;
    const char* name;
};
constexpr JudgementName judgementNames[] = {
    {&DesignRecord::boltVerdict, "ボルトの判定"},
    {&DesignRecord::thicknessVerdict, "フランジプレート厚さの判定"},
    {&DesignRecord::ribVerdict, "リブプレートの判定"},
    {&DesignRecord::weldVerdict, "溶接の判定"},
};

QLineEdit* makeResultField(const QString& name, TextField result, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(utf8(fieldInfo(result).caption));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setFont(gothicFont(layout::fieldFontPoints));
    return field;
}

QPushButton* makeStepButton(const layout::Placed& place, const char* caption, QWidget* parent)
{
    return makeButton({place.name, caption, place.left, place.top, layout::stepButtonWidth,
                       layout::stepButtonHeight},
                      parent);
}

} // namespace

ResultsPane::ResultsPane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture4"));
    setPaneBackground(this);
    for (const layout::ResultBlock& place : layout::resultBlocks)
        addBlock(place);
    addHiddenResults();
}

void ResultsPane::addBlock(const layout::ResultBlock& place)
{
    const StepFields& fields = stepFields(place.step);
    Block block{place.step, {}, nullptr, nullptr};
    if (place.heading.name) {
        QLabel* heading = makeLabel(place.heading.name, utf8(place.headingText), place.heading.left,
                                    place.heading.top, this);
        heading->setFont(gothicFont(layout::headingFontPoints, true));
        heading->adjustSize();
        auto* line = new QFrame(this);
        line->setObjectName(utf8(place.line.name));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setGeometry(QRect(twipsPoint(place.line.left, place.line.top),
                                twipsPoint(place.lineEnd, place.line.top)));
        block.members.insert(block.members.end(), {heading, line});
    }
    if (place.step == Step::BShape) {
        block.members.push_back(makeLabel(layout::panelCaption.name, utf8(layout::panelCaptionText),
                                          layout::panelCaption.left, layout::panelCaption.top,
                                          this));
    }
    auto* picture = new StoredPicture(place.picture.name, this);
    picture->placeAt(place.picture.left, place.picture.top);
    QLineEdit* headline = makeResultField(utf8(place.headline.name), fields.headline, this);
    headline->setGeometry(twipsRect(place.headline.left, place.headline.top,
                                    layout::resultFieldWidth, layout::resultFieldHeight));
    resultFields_.emplace_back(fields.headline, headline);
    block.members.insert(block.members.end(), {picture, headline});
    if (place.judgement.name)
        addJudgement(place.judgement, fields.judgement);
    if (place.back.name) {
        block.back = makeStepButton(place.back, layout::backCaption, this);
        connect(block.back, &QPushButton::clicked, this, &ResultsPane::backClicked);
    }
    if (place.next.name) {
        block.next = makeStepButton(place.next, layout::nextCaption, this);
        connect(block.next, &QPushButton::clicked, this, &ResultsPane::nextClicked);
    }
    blocks_.push_back(block);
}

QLabel* ResultsPane::addJudgement(const layout::Placed& place, JudgementField field)
{
    QLabel* label = makeLabel(place.name, QString(), place.left, place.top, this);
    label->setAccessibleName(
        utf8(std::ranges::find(judgementNames, field, &JudgementName::field)->name));
    judgementLabels_.emplace_back(field, label);
    if (field == &DesignRecord::thicknessVerdict) {
        thicknessSubscript_ =
            makeLabel(layout::thicknessSubscript.name, QString(), layout::thicknessSubscript.left,
                      layout::thicknessSubscript.top, this);
        thicknessSubscript_->setFont(gothicFont(layout::thicknessSubscriptPoints));
        setLabelText(thicknessSubscript_, utf8(layout::thicknessSubscriptText));
        thicknessAssumed_ =
            makeLabel(layout::thicknessAssumed.name, utf8(layout::thicknessAssumedText),
                      layout::thicknessAssumed.left, layout::thicknessAssumed.top, this);
    }
    return label;
}

void ResultsPane::addHiddenResults()
{
    for (TextField field : resultFields) {
        const bool placed =
            std::ranges::find(resultFields_, field, &std::pair<TextField, QLineEdit*>::first)
            != resultFields_.end();
        if (placed)
            continue;
        QLineEdit* hidden = makeResultField(utf8(fieldInfo(field).control), field, this);
        hidden->hide();
        resultFields_.emplace_back(field, hidden);
    }
}

QPushButton* ResultsPane::nextButton(Step step) const { return blocks_[stepIndex(step)].next; }

QPushButton* ResultsPane::backButton(Step step) const { return blocks_[stepIndex(step)].back; }

void ResultsPane::showState(const StepFlow& flow)
{
    const Step current = flow.currentStep();
    for (const Block& block : blocks_) {
        for (QWidget* member : block.members)
            member->setVisible(block.step <= current);
        if (block.next) {
            block.next->setVisible(block.step == current);
            block.next->setEnabled(flow.isNextEnabled(block.step));
        }
        if (block.back)
            block.back->setVisible(block.step == current);
    }
    for (const auto& [field, edit] : resultFields_) {
        const QString text = QString::fromStdString(flow.record().*field);
        if (edit->text() != text)
            edit->setText(text);
    }
    showJudgements(flow);
}

void ResultsPane::showJudgements(const StepFlow& flow)
{
    for (const auto& [field, label] : judgementLabels_) {
        const JudgementLabel& judgement = flow.record().*field;
        setLabelText(label, QString::fromStdString(judgement.text));
        label->setAccessibleDescription(label->text()); // the name is fixed, the text is read here
        label->setVisible(judgement.shown);
        if (field == &DesignRecord::thicknessVerdict) {
            thicknessSubscript_->setVisible(judgement.shown);
            thicknessAssumed_->setVisible(judgement.shown);
        }
    }
}

} // namespace flange
