#pragma once

// The main window (Form1): the input pane on the left, the figure area on the right, and the File
// and Help menus.
//
// The window owns the step flow, and with it the design record, for the whole run. It passes every
// edit and every button to the step flow or the file commands and then shows the new state; it
// never computes anything itself. Its message boxes and file dialogs go through the UserPrompts it
// is given.
//
// How a calculation travels: an edit of a field reaches StepFlow::setInput, which empties that
// step's headline result; "計　　算" runs the current step's calculate action on the record; the
// window shows the outcome and brings the results pane back into view; after a step D calculation
// the weld ratio has a text, which makes Print available (printRequested).

#include "flow/step_flow.h"
#include "ui/main/file_commands.h"
#include "ui/main/input_pane.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QLabel;

namespace flange {

class FigureArea;
class HintMarks;
class OuterSize;
class ResultsPane;
class UserPrompts;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(UserPrompts& prompts, QWidget* parent = nullptr);

    const StepFlow& stepFlow() const { return flow_; }
    const DesignRecord& record() const { return flow_.record(); }
    const FileCommands& fileCommands() const { return files_; }

    InputPane* inputPane() const { return inputPane_; }
    HintMarks* hintMarks() const { return hintMarks_; }
    QLabel* suggestionLink() const { return suggestionLink_; }
    FigureArea* figureArea() const { return figureArea_; }
    ResultsPane* resultsPane() const { return resultsPane_; }

    // Sets the window's outer width, its frame included, keeping its height.
    void setOuterWidthTwips(int twips);

    // Adds a reference pane to the figure area, shown by its pane button; while it is shown the
    // window has the outer width given, where one is.
    void addReferencePane(PaneButton button, QWidget* pane,
                          std::optional<int> outerWidthTwips = std::nullopt);
    // The caption beside an input's entry field, or nullptr where there is none.
    QLabel* inputCaption(TextField field) const;

public slots:
    // Opens a design file as "開く(&O)" does once the file is chosen: a file named on the command
    // line, or a ".sou" file dropped on the window.
    void openDesignFile(const QString& path);
    // The same for a file named by the bytes the system passed (the program's argument), which
    // need not be UTF-8.
    void openNativeDesignFile(const QByteArray& nativePath);
    void showResultsPane();
    // The reference panes' buttons: each shows the pane added to the figure area for it, and does
    // nothing while there is none.
    void showReferenceFigure1();
    void showReferenceFigure2();
    void showAlpha0Pane();

signals:
    // "プリント(&P)", enabled while a step D result is shown; where the design has hints of inputs
    // read as nothing or of a joint that cannot be built, only once the engineer chose to print
    // anyway.
    void printRequested();
    // "バージョン情報".
    void aboutRequested();
    // "修正案(&S)", or the link to it shown while the step page has an NG judgement or the α0 hint.
    void suggestionsRequested();
    // The window is closing (by "終了(&X)" or its title bar), its inputs saved or discarded as the
    // engineer chose; every other window is to close too.
    void closing();
    // The window has shown the step flow's state anew, after any change of the record or the step.
    void stateShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createSuggestionLink();
    void connectControls();
    void orderTabs();
    void layOutPanes();
    void showPaneOf(PaneButton button);

    void editInput(TextField field, const QString& text);
    void chooseBoltSize(int index);
    void calculate();
    void focusFirstEmptyInput();
    void enterNextStep();
    void leaveStep();
    void resetPage();
    void openDesign();
    void requestPrint();
    void saveDesign();
    void saveDesignAs();
    void showTitle();
    void showState();

    UserPrompts& prompts_;
    StepFlow flow_;
    FileCommands files_;
    InputPane* inputPane_ = nullptr;
    HintMarks* hintMarks_ = nullptr;
    FigureArea* figureArea_ = nullptr;
    ResultsPane* resultsPane_ = nullptr;
    QAction* printAction_ = nullptr;
    QLabel* suggestionLink_ = nullptr;
    OuterSize* outerSize_ = nullptr;
};

} // namespace flange
