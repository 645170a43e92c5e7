#include "ui/common/window_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QShortcut>

namespace flange {

namespace {

class EnterPresses : public QObject {
public:
    explicit EnterPresses(QAbstractButton* button) : QObject(button), button_(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != button_ || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        button_->click();
        return true;
    }

private:
    QAbstractButton* button_;
};

} // namespace

void pressOnEnter(QAbstractButton* button) { new EnterPresses(button); }

void closeOnEscape(QWidget* window)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

} // namespace flange
