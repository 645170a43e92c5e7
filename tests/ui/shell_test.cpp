// The application shell: the about box blocks the main window while it is open, and closing the
// main window closes every other window and ends the run.

#include "ui_test_fixture.h"

#include "ui/shell/application_shell.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

using namespace flange;
using namespace flange::testing;

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aboutBoxBlocksMainWindowUntilClosed_data();
    void aboutBoxBlocksMainWindowUntilClosed();
    void exitClosesEveryWindow_data();
    void exitClosesEveryWindow();

private:
    // Clicks "クリア" as the window system delivers a click, which a modal window may block.
    void clickClearThroughWindowSystem();

    std::unique_ptr<FakePrompts> prompts_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<ApplicationShell> shell_;
};

void ShellTest::init()
{
    prompts_ = std::make_unique<FakePrompts>();
    watchdog_ = std::make_unique<ModalWatchdog>();
    shell_ = std::make_unique<ApplicationShell>(*prompts_);
    shell_->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&shell_->mainWindow()));
}

void ShellTest::cleanup()
{
    shell_.reset();
    verifyNoUnexpectedDialogs(*watchdog_);
    watchdog_.reset();
}

void ShellTest::clickClearThroughWindowSystem()
{
    MainWindow& window = shell_->mainWindow();
    QWidget* clear = window.findChild<QWidget*>(QStringLiteral("Command4"));
    const QPoint at = clear->mapTo(&window, clear->rect().center());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

void ShellTest::aboutBoxBlocksMainWindowUntilClosed_data()
{
    QTest::addColumn<bool>("byOkButton");
    QTest::newRow("OK") << true;
    QTest::newRow("title bar") << false;
}

void ShellTest::aboutBoxBlocksMainWindowUntilClosed()
{
    QFETCH(bool, byOkButton);
    MainWindow& window = shell_->mainWindow();
    WindowDriver ui(window);
    ui.type("Text3", QStringLiteral("8"));

    watchdog_->expectModal(true);
    ui.triggerMenu("mnuver");
    QPointer<AboutBox> about = shell_->aboutBox();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->objectName(), QStringLiteral("Form3"));
    QCOMPARE(about->windowTitle(), QStringLiteral("ペルグリンのバージョン情報"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Ver.1.0"));
    QCOMPARE(QApplication::activeModalWidget(), about.data());

    clickClearThroughWindowSystem();
    QCOMPARE(ui.text("Text3"), QStringLiteral("8"));

    if (byOkButton)
        QTest::mouseClick(about->findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
    else
        about->close();
    QTRY_VERIFY(!about);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    watchdog_->expectModal(false);

    clickClearThroughWindowSystem();
    QVERIFY(ui.text("Text3").isEmpty());
}

void ShellTest::exitClosesEveryWindow_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("終了") << true;
    QTest::newRow("title bar") << false;
}

void ShellTest::exitClosesEveryWindow()
{
    QFETCH(bool, byMenu);
    MainWindow& window = shell_->mainWindow();
    // A window that stays open beside the main window, as the allowable-stress window does.
    auto beside = std::make_unique<QWidget>();
    beside->setWindowTitle(QStringLiteral("Form5"));
    beside->show();
    QVERIFY(QTest::qWaitForWindowExposed(beside.get()));

    if (byMenu)
        WindowDriver(window).triggerMenu("mnuexit");
    else
        window.close();

    // With no window left open the application ends.
    QVERIFY(!window.isVisible());
    QVERIFY(!beside->isVisible());
    for (QWidget* other : QApplication::topLevelWidgets())
        QVERIFY2(!other->isVisible(), qPrintable(other->objectName()));
    QVERIFY(prompts_->warnings.empty());
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
