#pragma once

// The "修正案" window: a modeless window that lists the design assistant's proposals for a design
// (suggest/suggestions.h), one sentence each with its resulting ratio or thickness and judgement,
// and beside each a button to type it: "この値を入れる", or "図－２の値を入れる" for the chart's α0.
// A button is enabled while its fields can be typed on the step page the main window shows.
//
// The window only shows and asks: typing is done by whoever listens to typeRequested(). It never
// calculates, saves or prints.

#include "suggest/suggestions.h"

#include <QWidget>

#include <vector>

class QLabel;
class QGridLayout;
class QPushButton;

namespace flange {

class SuggestionWindow : public QWidget {
    Q_OBJECT
public:
    explicit SuggestionWindow(QWidget* parent = nullptr);

    // Shows the suggestions of a walked design (the record as the walk left it, whose assumed
    // thickness the chart's α0 sentence quotes) for the step page shown.
    void showSuggestions(const std::vector<Suggestion>& suggestions, const WalkResult& walk,
                         Step page);

    // The typing button of each suggestion shown, in list order (nullptr for one that cannot be
    // typed at all); for tests.
    const std::vector<QPushButton*>& typeButtons() const { return buttons_; }
    QLabel* summary() const { return summary_; }

signals:
    void typeRequested(const flange::Suggestion& suggestion);

private:
    void clearRows();

    QLabel* summary_;
    QGridLayout* rows_;
    std::vector<QWidget*> rowWidgets_;
    std::vector<QPushButton*> buttons_;
};

} // namespace flange
