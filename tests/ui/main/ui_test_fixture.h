#pragma once

// The shared fixture of the window tests: prompts that answer from a script instead of opening
// dialogs, a watchdog that fails a test when a modal dialog opens unexpectedly, temporary folders,
// and a driver that works the main window as an engineer does, by control name.

#include "find_control.h"
#include "flow/step.h"
#include "ui/main/main_window.h"
#include "ui/main/user_prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <vector>

namespace flange::testing {

class FakePrompts : public UserPrompts {
public:
    struct Warning {
        QString title;
        QString text;
    };

    void beep() override { ++beeps; }
    void warn(const QString& title, const QString& text) override
    {
        warnings.push_back({title, text});
    }
    // Each question about unsaved inputs takes the next scripted answer; with none left the inputs
    // are discarded, as in the tests that do not look at the question.
    UnsavedInputsChoice askSaveChanges(const QString& title, const QString& text) override
    {
        saveQuestions.push_back({title, text});
        return saveChoices.isEmpty() ? UnsavedInputsChoice::Discard : saveChoices.dequeue();
    }
    // Each question whether to go on takes the next scripted answer; with none left it cancels.
    bool askGoOn(const QString& title, const QString& text, const QString&) override
    {
        goOnQuestions.push_back({title, text});
        return !goOnAnswers.isEmpty() && goOnAnswers.dequeue();
    }
    // Each dialog takes the next scripted answer; with none left it is cancelled.
    QString askOpenPath(const QString& rememberedName) override
    {
        openRemembered << rememberedName;
        return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
    }
    QString askSavePath(const QString& rememberedName) override
    {
        saveRemembered << rememberedName;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }

    int beeps = 0;
    std::vector<Warning> warnings;
    std::vector<Warning> saveQuestions;
    QQueue<UnsavedInputsChoice> saveChoices;
    std::vector<Warning> goOnQuestions;
    QQueue<bool> goOnAnswers;
    QQueue<QString> openAnswers;
    QQueue<QString> saveAnswers;
    QStringList openRemembered;
    QStringList saveRemembered;
};

// Looks every few milliseconds for a modal dialog that waits for its answer (a message box, a file
// dialog). One that a test did not announce is closed and recorded, so that the test fails
// instead of hanging.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();

    void expectModal(bool expected) { expected_ = expected; }
    const QStringList& unexpectedDialogs() const { return unexpected_; }

private:
    void look();

    QTimer timer_;
    bool expected_ = false;
    QStringList unexpected_;
};

// One input typed in a step of a walk: the control's name and the text.
struct TypedInput {
    const char* control;
    const char* text;
};

// The worked example's inputs, step by step (the bolt size chosen from the list).
const std::vector<TypedInput>& workedExampleInputs(Step step);
inline constexpr int workedExampleBoltSizeIndex = 5; // "Ｍ27"

class WindowDriver {
public:
    explicit WindowDriver(MainWindow& window) : window_(window) {}

    template <class T> T* find(const char* name) const { return findControl<T>(&window_, name); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    QString text(const char* name) const { return field(name)->text(); }
    // Visible as far as the window goes: shown itself and all its parents up to the window.
    bool isShown(const char* name) const;

    // Replaces a field's text by typing, as after select-all.
    void type(const char* name, const QString& text);
    void typeBoltSize(const QString& text);
    // Chooses an item of the bolt size list through its pop-up list.
    void chooseBoltSize(int index);
    void click(const char* name);
    void triggerMenu(const char* actionName);

    // Types a step's inputs of the worked example, and presses its calculate button.
    void typeStep(Step step);
    void calculate();
    // From start-up, walks the worked example up to the given step with every step calculated.
    void walkTo(Step step);

private:
    MainWindow& window_;
};

// The window most tests work: a main window with scripted prompts and a watchdog, shown on screen.
struct MainWindowFixture {
    MainWindowFixture();

    FakePrompts prompts;
    ModalWatchdog watchdog;
    MainWindow window;
    WindowDriver ui;
};

// Fails the running test when the watchdog met a dialog nobody expected.
void verifyNoUnexpectedDialogs(const ModalWatchdog& watchdog);

} // namespace flange::testing
