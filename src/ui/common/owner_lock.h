#pragma once

// A secondary window that disables the main window while it is open, as the print dialog and the
// about box do: the main window and its menus are greyed and take no input, though the secondary
// window is shown modeless. However the window goes (closed by a button or its title bar, hidden or
// deleted), the main window is enabled again.
//
// The secondary window must not be a child of the main window, or disabling the main window would
// disable it too; it is kept above the main window as a dialog of it instead.

#include <QObject>
#include <QPointer>

class QWidget;

namespace flange {

class OwnerLock : public QObject {
public:
    // Disables `owner` (when given) from now on, for as long as `window` is open.
    OwnerLock(QWidget* window, QWidget* owner);
    ~OwnerLock() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lock(bool locked);

    QPointer<QWidget> owner_;
};

} // namespace flange
