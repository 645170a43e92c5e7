#include "ui/common/owner_lock.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace flange {

OwnerLock::OwnerLock(QWidget* window, QWidget* owner) : QObject(window), owner_(owner)
{
    if (owner && owner->windowHandle()) {
        window->winId();
        window->windowHandle()->setTransientParent(owner->windowHandle());
    }
    window->installEventFilter(this);
    lock(true);
}

OwnerLock::~OwnerLock() { lock(false); }

void OwnerLock::lock(bool locked)
{
    if (owner_)
        owner_->setEnabled(!locked);
}

// Minimising the window (a show or hide by the window system) keeps the main window disabled.
bool OwnerLock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != parent() || event->spontaneous())
        return false;
    if (event->type() == QEvent::Show)
        lock(true);
    else if (event->type() == QEvent::Hide)
        lock(false);
    return false;
}

} // namespace flange
