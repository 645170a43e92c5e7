#pragma once

// The results pane (Picture4): one result block per step (heading, formula picture, headline
// result, judgement, "<< back" and "next >>"), shown up to the current step.
//
// The other results of the design record have hidden fields of their own names here, so that every
// field of the record has its control; the main window never shows them (the report prints them).

#include "calc/design_record.h"
#include "flow/step.h"
#include "ui/main/main_window_layout.h"

#include <QWidget>

#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace flange {

class StepFlow;

class ResultsPane : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPane(QWidget* parent);

    void showState(const StepFlow& flow);

    QPushButton* nextButton(Step step) const;
    QPushButton* backButton(Step step) const;

signals:
    void nextClicked();
    void backClicked();

private:
    struct Block {
        Step step;
        std::vector<QWidget*> members; // shown and hidden with the block
        QPushButton* back = nullptr;
        QPushButton* next = nullptr;
    };

    void addBlock(const layout::ResultBlock& place);
    void addHiddenResults();
    QLabel* addJudgement(const layout::Placed& place, JudgementField field);
    void showJudgements(const StepFlow& flow);

    std::vector<Block> blocks_;
    std::vector<std::pair<TextField, QLineEdit*>> resultFields_;
    std::vector<std::pair<JudgementField, QLabel*>> judgementLabels_;
    QLabel* thicknessSubscript_ = nullptr;
    QLabel* thicknessAssumed_ = nullptr;
};

} // namespace flange
