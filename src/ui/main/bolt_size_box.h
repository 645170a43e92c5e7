#pragma once

// The bolt size box (Combo1): a drop-down list of the bolt sizes whose text can also be typed.
//
// Choosing an item from the list (mouse, arrow keys) is reported by itemChosen(); typing by the line
// edit's textEdited(). A typed text that happens to equal an item stays typed text: finishing the
// edit (Enter, or leaving the box) does not choose the item. While locked, neither typing nor
// choosing changes the box.

#include <QComboBox>

namespace flange {

class BoltSizeBox : public QComboBox {
    Q_OBJECT
public:
    explicit BoltSizeBox(QWidget* parent);

    void setLocked(bool locked);
    bool isLocked() const { return locked_; }
    // Shows a text without choosing an item; an empty text also clears the chosen item.
    void showText(const QString& text);

    void showPopup() override;

signals:
    void itemChosen(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool locked_ = false;
    // Set while the box handles the end of an edit, when Qt activates an item equal to the text.
    bool finishingEdit_ = false;
};

} // namespace flange
