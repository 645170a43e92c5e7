#pragma once

// The about box (Form3): the program's name, version and a one-line notice, with "OK".
//
// It is a fixed-size dialog centred on the screen. Opened for the main window, it blocks that window
// and its menus until it is closed, by "OK" or from its title bar; the opening command itself
// returns at once.

#include <QDialog>

namespace flange {

class AboutBox : public QDialog {
public:
    explicit AboutBox(QWidget* mainWindow);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace flange
