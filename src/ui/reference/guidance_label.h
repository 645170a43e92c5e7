#pragma once

// A caption of the input pane that acts as a link to the reference material: blue text, the hand
// pointer while the mouse is over it, and a click reported by clicked(). The object lives as a
// child of its label.

#include <QCursor>
#include <QObject>

class QLabel;

namespace flange {

class GuidanceLabel : public QObject {
    Q_OBJECT
public:
    // Turns `label` into a guidance label showing `pointer`.
    GuidanceLabel(QLabel* label, const QCursor& pointer);

    QLabel* label() const { return label_; }

    // From now on the label shows the ordinary arrow pointer; it still reacts to clicks.
    void showArrowPointer();

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
    bool pressed_ = false;
};

} // namespace flange
