#include "ui/shell/application_shell.h"

#include "ui/main/gothic_font.h"
#include "ui/shell/about_box.h"
#include "ui/shell/application_icon.h"

#include <QApplication>

namespace flange {

namespace {

// The font and icon must be the application's before the first window is created.
UserPrompts& withApplicationLook(UserPrompts& prompts)
{
    QApplication::setFont(gothicFont());
    QApplication::setWindowIcon(applicationIcon());
    return prompts;
}

} // namespace

ApplicationShell::ApplicationShell(UserPrompts& prompts)
    : mainWindow_(withApplicationLook(prompts))
{
    connect(&mainWindow_, &MainWindow::aboutRequested, this, &ApplicationShell::openAboutBox);
    connect(&mainWindow_, &MainWindow::closing, this, &ApplicationShell::closeOtherWindows);
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
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != &mainWindow_ && window->isVisible())
            window->close();
    }
}

} // namespace flange
