#include "ui_test_fixture.h"

#include "ui/common/modal_dialog.h"
#include "ui/main/bolt_size_box.h"
#include "ui/main/input_pane.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QTest>

namespace flange::testing {

ModalWatchdog::ModalWatchdog()
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::look);
    timer_.start(20);
}

void ModalWatchdog::look()
{
    QWidget* modal = QApplication::activeModalWidget();
    // The program's own modal windows (the about box, the print dialog) open without waiting, so
    // they never hold a test up.
    if (!modal || expected_ || dynamic_cast<ModalDialog*>(modal))
        return;
    unexpected_ << modal->objectName() + QLatin1Char(' ') + modal->windowTitle();
    modal->close();
}

void verifyNoUnexpectedDialogs(const ModalWatchdog& watchdog)
{
    QVERIFY2(watchdog.unexpectedDialogs().isEmpty(),
             qPrintable(watchdog.unexpectedDialogs().join(QLatin1String(", "))));
}

MainWindowFixture::MainWindowFixture() : window(prompts), ui(window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the main window was not shown");
}

const std::vector<TypedInput>& workedExampleInputs(Step step)
{
    static const std::vector<std::vector<TypedInput>> inputs{
        {{"Text3", "8"}, {"Text12", "5"}, {"Text13", "600"}, {"Text4", "30"}, {"Text5", "1.4"}},
        {{"Text6", "21.63"}, {"Text7", "40"}},
        {{"Text14", "1.6"}, {"Text15", "2.2"}, {"Text17", "0.12"}},
        {{"Text16", "0.9"}, {"Text8", "0.9"}, {"Text9", "15"}},
        {{"Text10", "0.6"}, {"Text11", "15"}},
    };
    return inputs[stepIndex(step)];
}

namespace {

// Types a text key by key, each key carrying its character, as a keyboard or an input method
// delivers full-width characters too.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void replaceText(QLineEdit* edit, const QString& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        typeText(edit, text);
}

} // namespace

bool WindowDriver::isShown(const char* name) const
{
    return find<QWidget>(name)->isVisibleTo(&window_);
}

void WindowDriver::type(const char* name, const QString& text)
{
    QLineEdit* edit = field(name);
    edit->setFocus(Qt::TabFocusReason);
    replaceText(edit, text);
}

void WindowDriver::typeBoltSize(const QString& text)
{
    replaceText(find<BoltSizeBox>("Combo1")->lineEdit(), text);
}

void WindowDriver::chooseBoltSize(int index)
{
    auto* box = find<BoltSizeBox>("Combo1");
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QModelIndex item = list->model()->index(index, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
}

void WindowDriver::click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

void WindowDriver::triggerMenu(const char* actionName) { find<QAction>(actionName)->trigger(); }

void WindowDriver::typeStep(Step step)
{
    if (step == Step::A)
        chooseBoltSize(workedExampleBoltSizeIndex);
    for (const TypedInput& input : workedExampleInputs(step))
        type(input.control, QString::fromUtf8(input.text));
}

void WindowDriver::calculate()
{
    const Step step = window_.stepFlow().currentStep();
    click(window_.inputPane()->calculateButton(step)->objectName().toUtf8().constData());
}

void WindowDriver::walkTo(Step target)
{
    static constexpr std::array<const char*, 4> nextButtons{"Command8", "Command10", "Command12",
                                                            "Command14"};
    for (Step step : allSteps) {
        typeStep(step);
        calculate();
        if (step == target)
            return;
        click(nextButtons[stepIndex(step)]);
    }
}

} // namespace flange::testing
