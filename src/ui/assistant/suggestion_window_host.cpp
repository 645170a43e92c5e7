#include "ui/assistant/suggestion_window_host.h"

#include "calc/bolt_size_table.h"
#include "io/design_file.h"
#include "ui/main/bolt_size_box.h"
#include "ui/main/main_window.h"

#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace flange {

SuggestionWindowHost::SuggestionWindowHost(MainWindow& mainWindow)
    : QObject(&mainWindow), mainWindow_(mainWindow)
{
    connect(&mainWindow_, &MainWindow::stateShown, this, &SuggestionWindowHost::followMainWindow);
}

void SuggestionWindowHost::open()
{
    if (!window_) {
        window_ = new SuggestionWindow(&mainWindow_);
        connect(window_, &SuggestionWindow::typeRequested, this, &SuggestionWindowHost::type);
        // Beside the main window, so that neither covers the other's fields, but never past the
        // screen's edge: on a small screen it overlaps the main window rather than hide.
        QPoint place = mainWindow_.frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* screen = mainWindow_.screen()) {
            const QRect room = screen->availableGeometry();
            const QSize size = window_->size().expandedTo(window_->sizeHint());
            place.setX(std::max(room.left(), std::min(place.x(), room.right() + 1 - size.width())));
            place.setY(
                std::max(room.top(), std::min(place.y(), room.bottom() + 1 - size.height())));
        }
        window_->move(place);
    }
    refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// A typed value shows a new state while its button's click is still being handled: the list is
// rebuilt once control is back in the event loop.
void SuggestionWindowHost::followMainWindow()
{
    if (!window_ || !window_->isVisible() || refreshQueued_)
        return;
    refreshQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshQueued_ = false;
        refresh();
    });
}

void SuggestionWindowHost::refresh()
{
    if (!window_)
        return;
    const DesignInputs inputs = inputsOf(mainWindow_.record());
    const WalkResult walk = walkDesign(inputs);
    window_->showSuggestions(findSuggestions(inputs, walk), walk,
                             mainWindow_.stepFlow().currentStep());
}

void SuggestionWindowHost::type(const Suggestion& suggestion)
{
    InputPane& pane = *mainWindow_.inputPane();
    for (const InputChange& change : typedChanges(suggestion)) {
        const QString text = QString::fromStdString(change.to);
        if (change.field != &DesignRecord::boltSize) {
            pane.entryField(change.field)->setText(text);
            continue;
        }
        // A bolt size of the list is chosen from it, which also writes its area.
        const auto size = std::ranges::find(boltSizeTable, change.to, &BoltSize::itemText);
        if (size == boltSizeTable.end())
            continue;
        const int index = static_cast<int>(size - boltSizeTable.begin());
        BoltSizeBox* box = pane.boltSizeBox();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
}

} // namespace flange
