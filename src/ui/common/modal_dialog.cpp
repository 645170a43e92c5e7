#include "ui/common/modal_dialog.h"

#include <QShowEvent>
#include <QWindow>

namespace flange {

ModalDialog::ModalDialog(QWidget* owner, Qt::WindowFlags flags)
    : QDialog(nullptr, flags), owner_(owner)
{
    setWindowModality(Qt::WindowModal);
    if (owner && owner->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
}

ModalDialog::~ModalDialog() { greyOwner(false); }

// A show or hide by the window system (minimising) leaves the owner as it is.
void ModalDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        greyOwner(true);
    QDialog::showEvent(event);
}

void ModalDialog::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        greyOwner(false);
    QDialog::hideEvent(event);
}

void ModalDialog::greyOwner(bool greyed)
{
    if (owner_)
        owner_->setEnabled(!greyed);
}

} // namespace flange
