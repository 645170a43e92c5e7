#pragma once

// The about box (Form3): the program's name, version and a one-line notice, with "OK".
//
// It is a fixed-size dialog centred on the screen, with no icon in its title bar. Opened for the
// main window, it is modal over that window, which it greys with its menus until it is closed, by
// "OK", Esc or its title bar; the opening command itself returns at once.

#include "ui/common/modal_dialog.h"

namespace flange {

class AboutBox : public ModalDialog {
public:
    explicit AboutBox(QWidget* mainWindow);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace flange
