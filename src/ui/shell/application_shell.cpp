#include "ui/shell/application_shell.h"

#include "ui/common/gothic_font.h"
#include "ui/reference/field_guidance.h"
#include "ui/shell/about_box.h"
#include "ui/shell/application_icon.h"

#include <QApplication>

namespace flange {

namespace {

// The font, icon and texts must be the application's before the first window is created.
UserPrompts& withApplicationLook(UserPrompts& prompts, QtJapaneseTexts& qtTexts)
{
    QApplication::setFont(gothicFont());
    QApplication::setWindowIcon(applicationIcon());
    if (qtTexts.load())
        qtTexts.install();
    return prompts;
}

} // namespace

ApplicationShell::ApplicationShell(UserPrompts& prompts)
    : mainWindow_(withApplicationLook(prompts, qtTexts_))
{
    connect(&mainWindow_, &MainWindow::aboutRequested, this, &ApplicationShell::openAboutBox);
    connect(&mainWindow_, &MainWindow::closing, this, &ApplicationShell::closeOtherWindows);
    connect(&mainWindow_, &MainWindow::printRequested, this, &ApplicationShell::openPrintDialog);
    addReferenceMaterial();
    suggestions_ = new SuggestionWindowHost(mainWindow_);
    connect(&mainWindow_, &MainWindow::suggestionsRequested, suggestions_,
            &SuggestionWindowHost::open);
}

void ApplicationShell::openPrintDialog()
{
    if (!printers_)
        printers_ = std::make_unique<SystemPrinterAccess>();
    flange::openPrintDialog(
        printDialog_, *printers_, [this] { return mainWindow_.record(); }, printPrompts_,
        &mainWindow_);
}

void ApplicationShell::addReferenceMaterial()
{
    referencePanes_ = new ReferencePanes(&mainWindow_);
    const std::pair<PaneButton, QWidget*> panes[] = {
        {PaneButton::ReferenceFigure1, referencePanes_->referenceFigure1()},
        {PaneButton::ReferenceFigure2, referencePanes_->referenceFigure2()},
        {PaneButton::Alpha0, referencePanes_->alpha0Pane()},
    };
    for (const auto& [button, pane] : panes)
        mainWindow_.addReferencePane(button, pane, referencePanes_->windowWidthTwips(pane));
    // The chart marks the design's own edge ratio whenever the window shows a new state.
    connect(&mainWindow_, &MainWindow::stateShown, referencePanes_, [this] {
        referencePanes_->setEdgeRatio(QString::fromStdString(mainWindow_.record().edgeRatio));
    });

    auto* guidance = new FieldGuidance(
        &mainWindow_, [this](TextField field) { return mainWindow_.inputCaption(field); },
        stressWindow_);
    connect(guidance, &FieldGuidance::showReferenceFigure1, &mainWindow_,
            &MainWindow::showReferenceFigure1);
    connect(guidance, &FieldGuidance::showReferenceFigure2, &mainWindow_,
            &MainWindow::showReferenceFigure2);
}

void ApplicationShell::showMainWindow() { mainWindow_.show(); }

void ApplicationShell::openAboutBox()
{
    if (!aboutBox_)
        aboutBox_ = new AboutBox(&mainWindow_);
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
}

void ApplicationShell::closeOtherWindows()
{
    stressWindow_.closeIfOpen();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != &mainWindow_ && window->isVisible())
            window->close();
    }
}

} // namespace flange
