#pragma once

// The keys an engineer used to Windows expects: Enter on a focused button presses it (as Space
// does), and Esc closes a secondary window as its close button does.

class QAbstractButton;
class QWidget;

namespace flange {

void pressOnEnter(QAbstractButton* button);
void closeOnEscape(QWidget* window);

} // namespace flange
