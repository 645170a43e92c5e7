#include "ui/reference/guidance_label.h"

#include <QLabel>
#include <QMouseEvent>

namespace flange {

namespace {

const QColor guidanceColour(0x00, 0x00, 0xFF);

} // namespace

GuidanceLabel::GuidanceLabel(QLabel* label, const QCursor& pointer) : QObject(label), label_(label)
{
    // Blue while the window takes input; a disabled window greys its captions like every control.
    QPalette blue = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        blue.setColor(group, QPalette::WindowText, guidanceColour);
    label->setPalette(blue);
    label->setCursor(pointer);
    label->installEventFilter(this);
}

void GuidanceLabel::showArrowPointer() { label_->setCursor(Qt::ArrowCursor); }

// A click is a press and a release of the left button over the label, as with a button.
bool GuidanceLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != label_)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && mouse->button() == Qt::LeftButton
                           && label_->rect().contains(mouse->position().toPoint());
        pressed_ = false;
        if (click)
            emit clicked();
    }
    return false;
}

} // namespace flange
