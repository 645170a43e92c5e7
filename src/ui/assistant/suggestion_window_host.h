#pragma once

// The "修正案" window beside the main window: open() shows it (one at most) and brings it forward.
// While it is open its list follows the main window: after every new state it shows the
// suggestions for the current inputs. A suggestion chosen is typed into the main window's fields
// as the engineer would type it (a bolt size chosen from the list), so the step flow takes the
// edit as any other and empties the affected results; the engineer then presses "計　　算".

#include "ui/assistant/suggestion_window.h"

#include <QObject>
#include <QPointer>

namespace flange {

class MainWindow;

class SuggestionWindowHost : public QObject {
    Q_OBJECT
public:
    explicit SuggestionWindowHost(MainWindow& mainWindow);

    void open();
    // The window, or null before the first open().
    SuggestionWindow* window() const { return window_; }

private:
    void followMainWindow();
    void refresh();
    void type(const Suggestion& suggestion);

    MainWindow& mainWindow_;
    QPointer<SuggestionWindow> window_;
    bool refreshQueued_ = false;
};

} // namespace flange
