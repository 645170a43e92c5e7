#pragma once

// The allowable-stress window (Form5): a fixed-size window showing the table of allowable stresses
// of steel on a grey pane that fills it. Esc closes it as its title bar does; it is deleted when
// closed. Its icon is the application's (set for every window of the program at start-up).

#include <QWidget>

namespace flange {

class AllowableStressWindow : public QWidget {
    Q_OBJECT
public:
    AllowableStressWindow();
};

} // namespace flange
