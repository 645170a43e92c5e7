#include "ui/shell/application_shell.h"

#include "ui/main/gothic_font.h"
#include "ui/shell/about_box.h"
#include "ui/shell/application_icon.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace flange {

namespace {

// The font, icon and texts must be the application's before the first window is created.
UserPrompts& withApplicationLook(UserPrompts& prompts, QTranslator& qtTexts)
{
    QApplication::setFont(gothicFont());
    QApplication::setWindowIcon(applicationIcon());
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    return prompts;
}

} // namespace

ApplicationShell::ApplicationShell(UserPrompts& prompts)
    : mainWindow_(withApplicationLook(prompts, qtTexts_))
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
