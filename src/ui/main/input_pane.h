#pragma once

// The input pane (Picture1), the left part of the main window: the seventeen input rows (formula
// picture, entry field, caption), the calculate buttons, "クリア" and the four pane buttons.
//
// It shows a StepFlow's state (which rows are visible and which are editable, the field texts, the
// calculate button of the current step) and reports every change the engineer makes to a field.

#include "calc/design_record.h"
#include "flow/step.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace flange {

class BoltSizeBox;
class StoredPicture;
class StepFlow;

enum class PaneButton { Top, ReferenceFigure1, ReferenceFigure2, Alpha0 };

class InputPane : public QWidget {
    Q_OBJECT
public:
    explicit InputPane(QWidget* parent);

    void showState(const StepFlow& flow);

    BoltSizeBox* boltSizeBox() const { return boltSizeBox_; }
    // The entry field of an input other than boltSize.
    QLineEdit* entryField(TextField field) const;
    QLabel* captionLabel(TextField field) const;
    QPushButton* calculateButton(Step step) const;
    QPushButton* clearButton() const { return clearButton_; }
    QPushButton* paneButton(PaneButton button) const;

    // The controls in tab order: the bolt size box, the entry fields in row order, then the
    // calculate buttons, "クリア" and the pane buttons.
    std::vector<QWidget*> tabChain() const;

signals:
    // The text of an input field changed (for boltSize: typed into the box).
    void inputChanged(flange::TextField field, const QString& text);
    // A bolt size was chosen from the list.
    void boltSizeChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        TextField field;
        QWidget* entry;
        StoredPicture* picture; // nullptr for the bolt size box
        QLabel* caption;
    };

    void addRows();
    void addButtons();
    void showRow(const Row& row, const StepFlow& flow);

    std::vector<Row> rows_;
    BoltSizeBox* boltSizeBox_ = nullptr;
    std::array<QPushButton*, 5> calculateButtons_{};
    QPushButton* clearButton_ = nullptr;
    std::array<QPushButton*, 4> paneButtons_{};
    bool showingState_ = false;
};

} // namespace flange
