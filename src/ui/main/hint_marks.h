#pragma once

// The step flow's hints (StepFlow::hints) shown in the input pane: a HintMark beside the caption of
// each input a hint names, with the messages as its tool tip, and the chart hint as a line of text
// in the free space below the α0 row of the plate-thickness step page. Nothing is moved or covered,
// no colour of a field changes.

#include "calc/hints.h"
#include "flow/step.h"

#include <QObject>

#include <utility>
#include <vector>

class QLabel;

namespace flange {

class HintMark;
class InputPane;

class HintMarks : public QObject {
    Q_OBJECT
public:
    explicit HintMarks(InputPane* pane);

    // Shows the hints on the given step page.
    void showHints(const std::vector<Hint>& hints, Step step);

    // The mark beside an input, and the chart hint's line; for tests.
    HintMark* markOf(TextField field) const;
    QLabel* chartLine() const { return chartLine_; }

private:
    void placeMark(TextField field, HintMark* mark) const;

    InputPane* pane_;
    std::vector<std::pair<TextField, HintMark*>> marks_; // one per input, in row order
    QLabel* chartLine_;
};

} // namespace flange
