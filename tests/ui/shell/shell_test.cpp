// The application shell: the about box blocks the main window while it is open, and closing the
// main window closes every other window and ends the run.

#include "ui_test_fixture.h"

#include "ui/main/main_window_layout.h"
#include "ui/reference/reading_mark.h"
#include "ui/shell/application_shell.h"
#include "ui/shell/command_line.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace flange;
using namespace flange::testing;

namespace {
bool isDrawnBlue(QWidget* widget);
} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aboutBoxBlocksMainWindowUntilClosed_data();
    void aboutBoxBlocksMainWindowUntilClosed();
    void exitClosesEveryWindow_data();
    void exitClosesEveryWindow();
    void guidanceCaptionsSwitchTheFigureArea();
    void exitClosesTheAllowableStressWindow();
    void chartMarksTheDesignsEdgeRatio();
    void printCommandOpensThePrintDialog();
    void escapeClosesSecondaryWindows_data();
    void escapeClosesSecondaryWindows();
    void commandLine_data();
    void commandLine();
    void programAnswersWithoutADisplay_data();
    void programAnswersWithoutADisplay();

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
    QTest::addColumn<QString>("closedBy");
    QTest::newRow("OK") << QStringLiteral("OK");
    QTest::newRow("Esc") << QStringLiteral("Esc");
    QTest::newRow("title bar") << QStringLiteral("title bar");
}

void ShellTest::aboutBoxBlocksMainWindowUntilClosed()
{
    QFETCH(QString, closedBy);
    MainWindow& window = shell_->mainWindow();
    WindowDriver ui(window);
    ui.type("Text3", QStringLiteral("8"));
    auto* caption = window.findChild<QLabel*>(QStringLiteral("Label4"));
    QVERIFY(isDrawnBlue(caption));

    ui.triggerMenu("mnuver");
    QPointer<AboutBox> about = shell_->aboutBox();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->objectName(), QStringLiteral("Form3"));
    QCOMPARE(about->windowTitle(), QStringLiteral("ペルグリンのバージョン情報"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Ver.1.0"));
    // The main window is disabled and greyed, its guidance captions too; the box is not.
    QVERIFY(!window.isEnabled());
    QVERIFY(about->isEnabled());
    QVERIFY(!isDrawnBlue(caption));
    // No icon in the title bar: the box's icon draws nothing.
    QCOMPARE(about->windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8).alpha(), 0);

    clickClearThroughWindowSystem();
    QCOMPARE(ui.text("Text3"), QStringLiteral("8"));

    if (closedBy == QStringLiteral("OK"))
        QTest::mouseClick(about->findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
    else if (closedBy == QStringLiteral("Esc"))
        QTest::keyClick(about, Qt::Key_Escape);
    else
        about->close();
    QTRY_VERIFY(!about);
    QVERIFY(window.isEnabled());
    QVERIFY(isDrawnBlue(caption));

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

namespace {

// Whether any pixel of the widget is drawn in a clear blue, as a guidance caption is while its
// window takes input.
bool isDrawnBlue(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > c.red() + 100 && c.blue() > c.green() + 100)
                return true;
        }
    return false;
}

bool isHighlighted(const QWidget* button)
{
    return button->palette().color(QPalette::Button) == QColor(layout::highlightColour);
}

QWidget* topLevelNamed(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

void ShellTest::guidanceCaptionsSwitchTheFigureArea()
{
    MainWindow& window = shell_->mainWindow();
    WindowDriver ui(window);
    ui.walkTo(Step::BShape);
    auto* figure1 = window.findChild<QWidget*>(QStringLiteral("Picture3"));
    auto* figure2 = window.findChild<QWidget*>(QStringLiteral("Picture2"));
    auto* results = window.findChild<QWidget*>(QStringLiteral("Picture4"));

    // "参考図－２より" is only on later steps; its button does the same.
    ui.click("Command2");
    QVERIFY(figure2->isVisible());
    QVERIFY(isHighlighted(window.findChild<QWidget*>(QStringLiteral("Command2"))));

    // A dimension caption clicked while figure 2 shows brings figure 1, as "参考図－１" does.
    auto* pipeCaption = window.findChild<QLabel*>(QStringLiteral("Label6"));
    QVERIFY(pipeCaption->isVisible());
    QTest::mouseClick(pipeCaption, Qt::LeftButton);
    QVERIFY(figure1->isVisible());
    QVERIFY(!figure2->isVisible());
    QVERIFY(!results->isVisible());
    QVERIFY(isHighlighted(window.findChild<QWidget*>(QStringLiteral("Command1"))));
    QVERIFY(!isHighlighted(window.findChild<QWidget*>(QStringLiteral("Command2"))));
    QCOMPARE(pipeCaption->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // A calculation brings the results back into view.
    ui.calculate();
    QVERIFY(results->isVisible());
    QVERIFY(!figure1->isVisible());
    QVERIFY(isHighlighted(window.findChild<QWidget*>(QStringLiteral("Command5"))));
}

void ShellTest::exitClosesTheAllowableStressWindow()
{
    MainWindow& window = shell_->mainWindow();
    auto* caption = window.findChild<QLabel*>(QStringLiteral("Label5"));
    QTest::mouseClick(caption, Qt::LeftButton);
    QTest::mouseClick(caption, Qt::LeftButton);
    QWidget* table = topLevelNamed(QStringLiteral("Form5"));
    QVERIFY(table);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += (w->objectName() == QStringLiteral("Form5") && w->isVisible()) ? 1 : 0;
    QCOMPARE(open, 1);
    // The main window stays usable beside it.
    WindowDriver ui(window);
    ui.type("Text3", QStringLiteral("8"));
    QCOMPARE(ui.text("Text3"), QStringLiteral("8"));

    ui.triggerMenu("mnuexit");
    QVERIFY(!window.isVisible());
    QVERIFY(!topLevelNamed(QStringLiteral("Form5")));
    QVERIFY(prompts_->warnings.empty());
}

void ShellTest::chartMarksTheDesignsEdgeRatio()
{
    MainWindow& window = shell_->mainWindow();
    WindowDriver ui(window);
    ui.walkTo(Step::BShape);
    QCOMPARE(ui.text("Text25"), QStringLiteral("1.25"));
    // The mark on reference figure 2; the α0 pane's excerpt keeps its own sample only.
    const auto markTexts = [&window] {
        QStringList texts;
        for (ReadingMark* mark : window.findChildren<ReadingMark*>())
            if (!mark->isHidden())
                texts << mark->text();
        return texts;
    };
    const QStringList marks = markTexts();
    QCOMPARE(marks.size(), 1);
    QVERIFY2(marks.front().contains(QStringLiteral("0.150")), qPrintable(marks.front()));

    // An edit of the step's inputs empties the edge ratio, and the mark goes with it.
    ui.type("Text6", QStringLiteral("20"));
    QVERIFY(ui.text("Text25").isEmpty());
    QVERIFY(markTexts().isEmpty());
}

void ShellTest::printCommandOpensThePrintDialog()
{
    MainWindow& window = shell_->mainWindow();
    WindowDriver ui(window);
    ui.walkTo(Step::D);
    ui.triggerMenu("mnuprint");
    QPointer<PrintDialog> dialog = shell_->printDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), QStringLiteral("Form4"));
    QVERIFY(dialog->isVisible());
    QVERIFY(!window.isEnabled());
    // Asking again brings the same dialog forward.
    shell_->openPrintDialog();
    QCOMPARE(shell_->printDialog(), dialog.data());

    QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("Command6")), Qt::LeftButton);
    QTRY_VERIFY(!dialog || !dialog->isVisible());
    QVERIFY(window.isEnabled());
}

void ShellTest::escapeClosesSecondaryWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("disablesMainWindow");
    QTest::newRow("print dialog") << QStringLiteral("Form4") << true;
    QTest::newRow("allowable-stress window") << QStringLiteral("Form5") << false;
}

void ShellTest::escapeClosesSecondaryWindows()
{
    QFETCH(QString, name);
    QFETCH(bool, disablesMainWindow);
    MainWindow& window = shell_->mainWindow();
    WindowDriver ui(window);
    auto* caption = window.findChild<QLabel*>(QStringLiteral("Label5"));
    if (disablesMainWindow) {
        ui.walkTo(Step::D);
        ui.triggerMenu("mnuprint");
    } else {
        QTest::mouseClick(caption, Qt::LeftButton);
    }
    QPointer<QWidget> opened = topLevelNamed(name);
    QVERIFY(opened);
    opened->windowHandle()->requestActivate();
    QTRY_COMPARE(QApplication::activeWindow(), opened.data());
    QCOMPARE(window.isEnabled(), !disablesMainWindow);
    QCOMPARE(isDrawnBlue(caption), !disablesMainWindow);

    QTest::keyClick(opened, Qt::Key_Escape);
    QTRY_VERIFY(!opened || !opened->isVisible());
    QVERIFY(window.isEnabled());
    QVERIFY(isDrawnBlue(caption));
}

void ShellTest::commandLine_data()
{
    using Action = CommandLine::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("path");
    QTest::newRow("none") << QStringList() << int(Action::Start) << QString();
    QTest::newRow("design file") << QStringList{"DESIGN.sou"} << int(Action::Open) << "DESIGN.sou";
    QTest::newRow("file after --")
        << QStringList{"--", "-odd.sou"} << int(Action::Open) << "-odd.sou";
    QTest::newRow("--version") << QStringList{"--version"} << int(Action::Version) << QString();
    QTest::newRow("--help") << QStringList{"DESIGN.sou", "--help"} << int(Action::Help)
                            << QString();
    QTest::newRow("help over unknown")
        << QStringList{"--bogus", "-h"} << int(Action::Help) << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << int(Action::Refuse) << QString();
    QTest::newRow("two files") << QStringList{"a.sou", "b.sou"} << int(Action::Refuse) << QString();
    QTest::newRow("empty name") << QStringList{""} << int(Action::Refuse) << QString();
    QTest::newRow("dash alone") << QStringList{"-"} << int(Action::Refuse) << QString();
    QTest::newRow("Qt's own options")
        << QStringList{"-platform", "offscreen", "-reverse", "DESIGN.sou", "-style=fusion"}
        << int(Action::Open) << "DESIGN.sou";
    QTest::newRow("Qt's option without its value")
        << QStringList{"DESIGN.sou", "-platform"} << int(Action::Refuse) << QString();
}

void ShellTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, path);
    const CommandLine command = parseCommandLine(arguments);
    QCOMPARE(int(command.action), action);
    QCOMPARE(command.path, path);
    QCOMPARE(command.message.isEmpty(), command.action != CommandLine::Action::Refuse);
}

void ShellTest::programAnswersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("standardOutput"); // a file to write it to, or empty for a pipe
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("written"); // the start of what is written on either stream

    QTest::newRow("--help") << QStringList{"--help"} << QString() << 0 << "使い方: flangecheck";
    QTest::newRow("--version") << QStringList{"--version"} << QString() << 0
                               << "flangecheck (ペルグリン) ";
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << QString() << 2 << "flangecheck: 不明なオプションです: --bogus";
    QTest::newRow("two files") << QStringList{"a.sou", "b.sou"} << QString() << 2
                               << "flangecheck: 開けるファイルは一つだけです";
    QTest::newRow("--help on a full disk") << QStringList{"--help"} << "/dev/full" << 2
                                           << "flangecheck: 標準出力に書き込めませんでした";
    QTest::newRow("--version on a full disk") << QStringList{"--version"} << "/dev/full" << 2
                                              << "flangecheck: 標準出力に書き込めませんでした";
}

void ShellTest::programAnswersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, standardOutput);
    QFETCH(int, exitCode);
    QFETCH(QString, written);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    if (!standardOutput.isEmpty())
        program.setStandardOutputFile(standardOutput);
    program.start(FLANGECHECK_PROGRAM, arguments);
    QVERIFY(program.waitForFinished(30'000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString output =
        QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    QVERIFY2(output.startsWith(written), qPrintable(output));
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
