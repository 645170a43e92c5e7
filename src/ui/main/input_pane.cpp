#include "ui/main/input_pane.h"

#include "calc/field_catalog.h"
#include "flow/step_flow.h"
#include "io/design_file.h"
#include "ui/common/control_factory.h"
#include "ui/common/gothic_font.h"
#include "ui/common/stored_picture.h"
#include "ui/common/twips.h"
#include "ui/main/bolt_size_box.h"
#include "ui/main/main_window_layout.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace flange {

namespace {

// The caption of an input row: the input's, on two lines where the row breaks it.
QString captionText(const layout::InputRow& place)
{
    QString caption = utf8(fieldInfo(place.field).caption);
    if (place.captionBreakAfter) {
        const QString before = utf8(place.captionBreakAfter);
        caption.insert(caption.indexOf(before) + before.size(), u'\n');
    }
    return caption;
}

} // namespace

InputPane::InputPane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setPaneBackground(this);
    addRows();
    addButtons();
}

void InputPane::addRows()
{
    for (const layout::InputRow& place : layout::inputRows) {
        Row row{place.field, nullptr, nullptr, nullptr};
        const bool isBoltSize = place.field == &DesignRecord::boltSize;
        if (isBoltSize) {
            boltSizeBox_ = new BoltSizeBox(this);
            boltSizeBox_->lineEdit()->setMaxLength(int(maxInputLength));
            boltSizeBox_->setGeometry(twipsRect(layout::fieldLeft, place.top, layout::fieldWidth,
                                                layout::boltSizeBoxHeight));
            connect(
                boltSizeBox_->lineEdit(), &QLineEdit::textEdited, this,
                [this](const QString& text) { emit inputChanged(&DesignRecord::boltSize, text); });
            connect(boltSizeBox_, &BoltSizeBox::itemChosen, this, &InputPane::boltSizeChosen);
            row.entry = boltSizeBox_;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(utf8(fieldInfo(place.field).control));
            edit->setMaxLength(int(maxInputLength));
            edit->setFont(gothicFont(layout::fieldFontPoints));
            edit->setGeometry(
                twipsRect(layout::fieldLeft, place.top, layout::fieldWidth, layout::fieldHeight));
            edit->installEventFilter(this);
            // Every change of the text counts, however it was made; the state shown back by
            // showState is not a change.
            connect(edit, &QLineEdit::textChanged, this,
                    [this, field = place.field](const QString& t) {
                        if (!showingState_)
                            emit inputChanged(field, t);
                    });
            row.entry = edit;
        }
        if (place.field == &DesignRecord::alpha0)
            row.entry->setFont(gothicFont());
        // Screen readers and UI automation find a field by the caption the engineer reads.
        row.entry->setAccessibleName(utf8(fieldInfo(place.field).caption));
        if (place.picture) {
            row.picture = new StoredPicture(place.picture, this);
            row.picture->placeAt(place.pictureLeft, place.pictureTop);
        }
        row.caption =
            makeLabel(place.label, captionText(place), layout::captionLeft, place.labelTop, this);
        if (place.labelWidth > 0) {
            row.caption->setGeometry(twipsRect(layout::captionLeft, place.labelTop,
                                               place.labelWidth, place.labelHeight));
            row.caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        rows_.push_back(row);
    }
}

void InputPane::addButtons()
{
    for (std::size_t i = 0; i < layout::calculateButtons.size(); ++i)
        calculateButtons_[i] = makeButton(layout::calculateButtons[i], this);
    clearButton_ = makeButton(layout::clearButton, this);
    for (std::size_t i = 0; i < layout::paneButtons.size(); ++i)
        paneButtons_[i] = makeButton(layout::paneButtons[i], this);
    paneButton(PaneButton::Alpha0)->setToolTip(utf8(layout::alpha0ButtonToolTip));
}

QLineEdit* InputPane::entryField(TextField field) const
{
    const auto it = std::ranges::find(rows_, field, &Row::field);
    return it == rows_.end() ? nullptr : qobject_cast<QLineEdit*>(it->entry);
}

QLabel* InputPane::captionLabel(TextField field) const
{
    const auto it = std::ranges::find(rows_, field, &Row::field);
    return it == rows_.end() ? nullptr : it->caption;
}

QPushButton* InputPane::calculateButton(Step step) const
{
    return calculateButtons_[stepIndex(step)];
}

QPushButton* InputPane::paneButton(PaneButton button) const
{
    return paneButtons_[static_cast<std::size_t>(button)];
}

std::vector<QWidget*> InputPane::tabChain() const
{
    std::vector<QWidget*> chain;
    for (const Row& row : rows_)
        chain.push_back(row.entry);
    chain.insert(chain.end(), calculateButtons_.begin(), calculateButtons_.end());
    chain.push_back(clearButton_);
    chain.insert(chain.end(), paneButtons_.begin(), paneButtons_.end());
    return chain;
}

void InputPane::showState(const StepFlow& flow)
{
    showingState_ = true;
    for (const Row& row : rows_)
        showRow(row, flow);
    for (Step step : allSteps)
        calculateButton(step)->setVisible(step == flow.currentStep());
    paneButton(PaneButton::Alpha0)->setVisible(flow.currentStep() >= Step::BThickness);
    showingState_ = false;
}

void InputPane::showRow(const Row& row, const StepFlow& flow)
{
    const Step rowStep = stepOf(row.field);
    const bool editable = rowStep == flow.currentStep();
    const QString text = QString::fromStdString(flow.record().*row.field);
    if (row.field == &DesignRecord::boltSize) {
        boltSizeBox_->showText(text);
        boltSizeBox_->setLocked(!editable);
    } else {
        auto* edit = static_cast<QLineEdit*>(row.entry);
        if (edit->text() != text)
            edit->setText(text);
        edit->setReadOnly(!editable);
    }
    setFieldBackground(row.entry, editable ? std::optional(layout::editableColour) : std::nullopt);
    const bool visible = rowStep <= flow.currentStep();
    for (QWidget* control :
         {row.entry, static_cast<QWidget*>(row.picture), static_cast<QWidget*>(row.caption)}) {
        if (control)
            control->setVisible(visible);
    }
}

bool InputPane::eventFilter(QObject* watched, QEvent* event)
{
    // A field that gains the focus selects its whole text, so that typing replaces the value.
    // The selection is made after the mouse press that gave the focus has placed the cursor.
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QMetaObject::invokeMethod(edit, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace flange
