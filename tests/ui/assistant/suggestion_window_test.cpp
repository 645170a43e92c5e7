// The "修正案" window as the engineer uses it: opened from the link an NG judgement shows, it lists
// the suggestions for the current inputs and types one into its field, leaving the calculation to
// the engineer; the main window's controls stay where they are.

#include "ui_test_fixture.h"

#include "ui/assistant/suggestion_window_host.h"

#include <QAction>
#include <QTest>

#include <map>
#include <memory>

using namespace flange;
using namespace flange::testing;

class SuggestionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typesASuggestionAndFollowsTheInputs();
    void menuOpensTheWindowOnAnyPage();
    void boltSizeIsChosenFromTheList();

private:
    // Every control of the main window with its place.
    std::map<QString, QRect> controlPlaces() const;

    std::unique_ptr<MainWindowFixture> f_;
    std::unique_ptr<SuggestionWindowHost> host_;
};

void SuggestionWindowTest::init()
{
    f_ = std::make_unique<MainWindowFixture>();
    host_ = std::make_unique<SuggestionWindowHost>(f_->window);
    connect(&f_->window, &MainWindow::suggestionsRequested, host_.get(),
            &SuggestionWindowHost::open);
}

void SuggestionWindowTest::cleanup()
{
    host_.reset();
    verifyNoUnexpectedDialogs(f_->watchdog);
    f_.reset();
}

std::map<QString, QRect> SuggestionWindowTest::controlPlaces() const
{
    std::map<QString, QRect> places;
    for (const QWidget* control : f_->window.findChildren<QWidget*>()) {
        if (control->window() == &f_->window && !control->objectName().isEmpty()
            && control->isVisibleTo(&f_->window))
            places[control->objectName()] = control->geometry();
    }
    return places;
}

void SuggestionWindowTest::typesASuggestionAndFollowsTheInputs()
{
    f_->ui.walkTo(Step::BShape);
    f_->ui.click("Command10");
    f_->ui.typeStep(Step::BThickness);
    f_->ui.type("Text15", QStringLiteral("1.5"));
    f_->ui.calculate();
    QVERIFY(f_->ui.isShown("SuggestionLink"));

    const auto placesBefore = controlPlaces();
    emit f_->ui.label("SuggestionLink")->linkActivated(QStringLiteral("#"));
    SuggestionWindow* window = host_->window();
    QVERIFY(window && window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("修正案"));
    QCOMPARE(controlPlaces(), placesBefore);

    // The assumed thickness and the chart's α0 belong to this page; the bolt count to step A.
    const auto& buttons = window->typeButtons();
    QCOMPARE(buttons.size(), std::size_t(3));
    QVERIFY(buttons[0]->isEnabled());
    QVERIFY(!buttons[1]->isEnabled());
    QCOMPARE(buttons[2]->text(), QStringLiteral("図－２の値を入れる"));

    buttons[0]->click();
    QCOMPARE(f_->ui.text("Text15"), QStringLiteral("1.6"));
    QCOMPARE(f_->ui.text("Text27"), QString()); // typed as an edit: the result is emptied
    QVERIFY(!f_->window.stepFlow().judgement(Step::BThickness));
    QCOMPARE(f_->window.stepFlow().currentStep(), Step::BThickness);

    // The list follows: the design now passes, only the chart's α0 is left.
    QTRY_COMPARE(window->typeButtons().size(), std::size_t(1));
    window->typeButtons()[0]->click();
    QCOMPARE(f_->ui.text("Text17"), QStringLiteral("0.150"));
    QCOMPARE(f_->ui.text("Text27"), QString());
    // With the chart's α0 the thickness of 1.6 no longer passes: the list shows the new proposals.
    QTRY_COMPARE(window->typeButtons().size(), std::size_t(2));
    for (const auto& [name, place] : controlPlaces())
        QCOMPARE(placesBefore.at(name), place);
}

void SuggestionWindowTest::menuOpensTheWindowOnAnyPage()
{
    QVERIFY(!f_->ui.isShown("SuggestionLink"));
    f_->ui.triggerMenu("mnusuggest");
    QVERIFY(host_->window() && host_->window()->isVisible());
    QVERIFY(host_->window()->typeButtons().empty());
    QCOMPARE(host_->window()->summary()->text(),
             QStringLiteral("空の入力があるため、修正案を探せません。"));
}

// A bolt size is chosen as from the list, which writes its area too.
void SuggestionWindowTest::boltSizeIsChosenFromTheList()
{
    f_->ui.typeStep(Step::A);
    f_->ui.type("Text13", QStringLiteral("800"));
    f_->ui.calculate();
    f_->ui.triggerMenu("mnusuggest");
    const auto& buttons = host_->window()->typeButtons();
    QCOMPARE(buttons.size(), std::size_t(3));
    buttons[0]->click();
    QCOMPARE(f_->window.record().boltSize, std::string("Ｍ30"));
    QCOMPARE(f_->ui.text("Text2"), QStringLiteral("7.07"));
    QCOMPARE(f_->ui.text("Text21"), QString());
}

QTEST_MAIN(SuggestionWindowTest)
#include "suggestion_window_test.moc"
