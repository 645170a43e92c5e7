#pragma once

// A dialog that is modal over the main window, as the print dialog and the about box are: Qt keeps
// the main window from taking input while the dialog is shown, and the main window and its menus
// are drawn greyed meanwhile. However the dialog goes (closed by a button, Esc or its title bar,
// hidden or deleted), the main window takes input and is drawn as usual again; minimising the
// dialog keeps it greyed. Other windows (the allowable-stress window) stay usable.
//
// The dialog is not a child of the main window, or greying the main window would grey it too; it
// stands above the main window as its transient window instead.

#include <QDialog>
#include <QPointer>

namespace flange {

class ModalDialog : public QDialog {
public:
    // Modal over `owner`, when given.
    explicit ModalDialog(QWidget* owner, Qt::WindowFlags flags = Qt::Dialog);
    ~ModalDialog() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void greyOwner(bool greyed);

    QPointer<QWidget> owner_;
};

} // namespace flange
