#pragma once

// The hints (calc/hints.h) shown in the input pane: a HintMark beside the caption of each input a
// hint names, with the messages as its tool tip, and the chart hint as a line of text in the free
// space below the α0 row of the plate-thickness step page. Nothing is moved or covered, no colour
// of a field changes.
//
// Unreadable numbers and geometry follow every change of the record. The chart hint compares α0
// with the chart at the edge ratio a calculation computed: it is first taken after a calculation,
// then follows α0 as it is typed, and goes when that edge ratio is no longer shown.

#include "calc/hints.h"
#include "flow/step.h"

#include <QObject>

#include <optional>
#include <string>
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

    // Shows the hints of the record on the given step page, with the chart hint last taken.
    void showHints(const DesignRecord& record, Step step);
    // Takes the chart hint of a record just calculated; showHints then shows it.
    void takeChartHint(const DesignRecord& record);

    // The mark beside an input, and the chart hint's line; for tests.
    HintMark* markOf(TextField field) const;
    QLabel* chartLine() const { return chartLine_; }

private:
    void placeMark(TextField field, HintMark* mark) const;

    InputPane* pane_;
    std::vector<std::pair<TextField, HintMark*>> marks_; // one per input, in row order
    QLabel* chartLine_;
    std::optional<Hint> chartHint_;
    std::string chartRatio_; // the edge ratio text the chart hint was found at
};

} // namespace flange
