#include "ui/reference/allowable_stress_window_host.h"

#include "ui/reference/allowable_stress_window.h"

namespace flange {

AllowableStressWindowHost::AllowableStressWindowHost(QObject* parent) : QObject(parent) {}

// The window has no parent (it stands beside the main window), so the host deletes it at the end.
AllowableStressWindowHost::~AllowableStressWindowHost() { delete window_.data(); }

void AllowableStressWindowHost::open()
{
    if (!window_)
        window_ = new AllowableStressWindow;
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void AllowableStressWindowHost::closeIfOpen()
{
    if (window_)
        window_->close();
}

} // namespace flange
