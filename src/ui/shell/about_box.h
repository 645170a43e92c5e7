#pragma once

// The about box (Form3): the program's name, version and a one-line notice, with "OK".
//
// It is a fixed-size dialog centred on the screen, with no icon in its title bar. Opened for the main
// window, it disables that window and its menus until it is closed, by "OK", Esc or its title bar;
// the opening command itself returns at once.

#include <QDialog>

namespace flange {

class AboutBox : public QDialog {
public:
    explicit AboutBox(QWidget* mainWindow);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace flange
