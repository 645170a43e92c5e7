#include "ui/main/main_window.h"

#include "calc/design_inputs.h"
#include "calc/hints.h"

#include "ui/common/gothic_font.h"
#include "ui/common/outer_size.h"
#include "ui/common/program_name.h"
#include "ui/common/twips.h"
#include "ui/main/figure_area.h"
#include "ui/main/hint_marks.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/results_pane.h"
#include "ui/main/user_prompts.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace flange {

MainWindow::MainWindow(UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), files_(prompts)
{
    setObjectName(QStringLiteral("Form1"));
    setFont(gothicFont());
    setAcceptDrops(true);
    createMenus();

    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->installEventFilter(this);
    inputPane_ = new InputPane(client);
    hintMarks_ = new HintMarks(inputPane_);
    figureArea_ = new FigureArea(client);
    resultsPane_ = new ResultsPane(figureArea_);
    createSuggestionLink();
    figureArea_->addPane(resultsPane_, inputPane_->paneButton(PaneButton::Top));

    connectControls();
    orderTabs();
    outerSize_ = new OuterSize(this, {layout::windowWidth, layout::windowHeight}, false);
    showState();
    showResultsPane();
}

void MainWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("MNUFILE"));
    QAction* open = file->addAction(QStringLiteral("開く(&O)"), this, &MainWindow::openDesign);
    open->setObjectName(QStringLiteral("mnuopen"));
    open->setShortcut(QKeySequence::Open);
    file->addSeparator();
    QAction* save =
        file->addAction(QStringLiteral("上書き保存(&S)"), this, &MainWindow::saveDesign);
    save->setObjectName(QStringLiteral("mnusave"));
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs =
        file->addAction(QStringLiteral("名前を付けて保存(&A)"), this, &MainWindow::saveDesignAs);
    saveAs->setObjectName(QStringLiteral("mnurewrit"));
    file->addSeparator();
    printAction_ = file->addAction(QStringLiteral("プリント(&P)"), this, &MainWindow::requestPrint);
    printAction_->setObjectName(QStringLiteral("mnuprint"));
    printAction_->setShortcut(QKeySequence::Print);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuexit"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("mnuhelpe"));
    QAction* suggestions =
        help->addAction(QStringLiteral("修正案(&S)"), this, &MainWindow::suggestionsRequested);
    suggestions->setObjectName(QStringLiteral("mnusuggest"));
    help->addSeparator();
    QAction* about =
        help->addAction(QStringLiteral("バージョン情報"), this, &MainWindow::aboutRequested);
    about->setObjectName(QStringLiteral("mnuver"));
}

// In the free space left of the calculate button, the same on every step page.
void MainWindow::createSuggestionLink()
{
    suggestionLink_ = new QLabel(QStringLiteral("<a href=\"#\">修正案を見る</a>"), inputPane_);
    suggestionLink_->setObjectName(QStringLiteral("SuggestionLink"));
    suggestionLink_->setGeometry(twipsRect(90, 5310, 2300, 300));
    suggestionLink_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(suggestionLink_, &QLabel::linkActivated, this, &MainWindow::suggestionsRequested);
    suggestionLink_->hide();
}

void MainWindow::connectControls()
{
    connect(inputPane_, &InputPane::inputChanged, this, &MainWindow::editInput);
    connect(inputPane_, &InputPane::boltSizeChosen, this, &MainWindow::chooseBoltSize);
    for (Step step : allSteps)
        connect(inputPane_->calculateButton(step), &QPushButton::clicked, this,
                &MainWindow::calculate);
    connect(inputPane_->clearButton(), &QPushButton::clicked, this, &MainWindow::resetPage);
    connect(inputPane_->paneButton(PaneButton::Top), &QPushButton::clicked, this,
            &MainWindow::showResultsPane);
    connect(inputPane_->paneButton(PaneButton::ReferenceFigure1), &QPushButton::clicked, this,
            &MainWindow::showReferenceFigure1);
    connect(inputPane_->paneButton(PaneButton::ReferenceFigure2), &QPushButton::clicked, this,
            &MainWindow::showReferenceFigure2);
    connect(inputPane_->paneButton(PaneButton::Alpha0), &QPushButton::clicked, this,
            &MainWindow::showAlpha0Pane);
    connect(resultsPane_, &ResultsPane::nextClicked, this, &MainWindow::enterNextStep);
    connect(resultsPane_, &ResultsPane::backClicked, this, &MainWindow::leaveStep);
}

void MainWindow::orderTabs()
{
    const std::vector<QWidget*> chain = inputPane_->tabChain();
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::layOutPanes()
{
    const QSize client = centralWidget()->size();
    const int paneWidth = twipsToPixels(layout::inputPaneWidth);
    inputPane_->setGeometry(0, 0, paneWidth, client.height());
    figureArea_->setGeometry(paneWidth, 0, std::max(0, client.width() - paneWidth),
                             client.height());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        layOutPanes();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!files_.settleChanges(flow_.record())) {
        event->ignore();
        showState();
        return;
    }
    emit closing();
    QMainWindow::closeEvent(event);
}

namespace {

// The design file of a drag: exactly one local ".sou" file, else nothing.
QString droppedDesignFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    return path.endsWith(QStringLiteral(".sou"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedDesignFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedDesignFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openDesignFile(path);
}

void MainWindow::setOuterWidthTwips(int twips) { outerSize_->setOuterWidth(twips); }

void MainWindow::addReferencePane(PaneButton button, QWidget* pane,
                                  std::optional<int> outerWidthTwips)
{
    figureArea_->addPane(pane, inputPane_->paneButton(button));
    if (!outerWidthTwips)
        return;
    connect(figureArea_, &FigureArea::paneShown, this,
            [this, pane, twips = *outerWidthTwips](QWidget* shown) {
                if (shown == pane)
                    setOuterWidthTwips(twips);
            });
}

QLabel* MainWindow::inputCaption(TextField field) const { return inputPane_->captionLabel(field); }

void MainWindow::showResultsPane() { figureArea_->showPane(resultsPane_); }

void MainWindow::showReferenceFigure1() { showPaneOf(PaneButton::ReferenceFigure1); }
void MainWindow::showReferenceFigure2() { showPaneOf(PaneButton::ReferenceFigure2); }
void MainWindow::showAlpha0Pane() { showPaneOf(PaneButton::Alpha0); }

void MainWindow::showPaneOf(PaneButton button)
{
    if (QWidget* pane = figureArea_->paneOf(inputPane_->paneButton(button)))
        figureArea_->showPane(pane);
}

void MainWindow::editInput(TextField field, const QString& text)
{
    flow_.setInput(field, text.toStdString());
    showState();
}

void MainWindow::chooseBoltSize(int index)
{
    flow_.chooseBoltSize(index);
    showState();
}

void MainWindow::calculate()
{
    if (flow_.calculate() == CalculationOutcome::Status::MissingInput) {
        prompts_.beep();
        prompts_.warn(QStringLiteral("入力データ確認"),
                      QStringLiteral("数値が入力されていません。"));
        focusFirstEmptyInput();
        return;
    }
    showState();
    showResultsPane();
}

void MainWindow::focusFirstEmptyInput()
{
    // The engineer goes on where the check stopped: the first row, top down, of an input the
    // calculation needs whose text is empty.
    const auto needed = calculationInputs(flow_.currentStep());
    for (const layout::InputRow& row : layout::inputRows) {
        if (std::ranges::find(needed, row.field) == needed.end()
            || !(flow_.record().*row.field).empty())
            continue;
        if (QLineEdit* entry = inputPane_->entryField(row.field))
            entry->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void MainWindow::enterNextStep()
{
    flow_.enterNextStep();
    showState();
}

void MainWindow::leaveStep()
{
    flow_.leaveStep();
    showState();
}

void MainWindow::resetPage()
{
    if (!files_.settleChanges(flow_.record())) {
        showState();
        return;
    }
    flow_.pageReset();
    files_.startNewDesign();
    showState();
}

void MainWindow::openDesign()
{
    if (files_.settleChanges(flow_.record()))
        files_.open(flow_);
    showState();
    files_.tellReadingHints();
}

void MainWindow::openDesignFile(const QString& path)
{
    if (files_.settleChanges(flow_.record()))
        files_.openPath(flow_, path);
    showState();
    files_.tellReadingHints();
}

void MainWindow::openNativeDesignFile(const QByteArray& nativePath)
{
    if (files_.settleChanges(flow_.record()))
        files_.openNativePath(flow_, nativePath);
    showState();
    files_.tellReadingHints();
}

void MainWindow::saveDesign()
{
    files_.save(flow_.record());
    showState();
}

void MainWindow::saveDesignAs()
{
    files_.saveAs(flow_.record());
    showState();
}

void MainWindow::requestPrint()
{
    // A report of a design with inputs read as nothing or a joint that cannot be built is printed
    // only when the engineer says so: "5..0" must not reach a signed sheet by accident.
    std::vector<Hint> hints = files_.emptiedFieldHints(flow_.record());
    for (const Hint& hint : flow_.hints()) {
        if (hint.kind == HintKind::UnreadableNumber || hint.kind == HintKind::Geometry)
            hints.push_back(hint);
    }
    if (!hints.empty()) {
        QStringList lines;
        for (const Hint& hint : hints)
            lines << QStringLiteral("・") + QString::fromStdString(hint.message);
        const QString text = QStringLiteral("この設計には次の注意があります。\n\n%1\n\n"
                                            "このまま印刷しますか？")
                                 .arg(lines.join(u'\n'));
        if (!prompts_.askGoOn(QString::fromUtf8(programName), text, QStringLiteral("印刷する")))
            return;
    }
    emit printRequested();
}

void MainWindow::showTitle()
{
    const QString program = QString::fromUtf8(programName);
    const QString name = files_.designName();
    if (name.isEmpty()) {
        setWindowTitle(program);
        setWindowModified(false);
        return;
    }
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, program));
    setWindowModified(files_.isChanged(flow_.record()));
}

void MainWindow::showState()
{
    inputPane_->showState(flow_);
    hintMarks_->showHints(flow_.hints(), flow_.currentStep());
    resultsPane_->showState(flow_);
    printAction_->setEnabled(flow_.isPrintAvailable());
    showTitle();
    suggestionLink_->setVisible(flow_.judgement(flow_.currentStep()) == Judgement::Ng
                                || hintMarks_->chartLine()->isVisibleTo(inputPane_));
    emit stateShown();
}

} // namespace flange
