#pragma once

// The small mark beside an input that a hint names: an orange disc with "!", the hints' messages
// as its tool tip. It lets nothing through to the controls and takes no focus.

#include <QWidget>

namespace flange {

class HintMark : public QWidget {
    Q_OBJECT
public:
    explicit HintMark(QWidget* parent);

    // The mark's side in pixels.
    static constexpr int side = 11;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace flange
