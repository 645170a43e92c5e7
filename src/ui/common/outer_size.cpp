#include "ui/common/outer_size.h"

#include "ui/common/twips.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace flange {

QMargins OuterSize::windowFrame(const QWidget& window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

OuterSize::OuterSize(QWidget* window, QSize outerTwips, bool fixed, QMargins expectedFrame,
                     FrameOf frameOf)
    : QObject(window), window_(window), outerTwips_(outerTwips), fixed_(fixed),
      expectedFrame_(expectedFrame), frameOf_(std::move(frameOf))
{
    resizeWithin(twipsSize(outerTwips.width(), outerTwips.height()), expectedFrame_);
    window->installEventFilter(this);
}

QMargins OuterSize::knownFrame() const { return frameKnown_ ? frameOf_(*window_) : expectedFrame_; }

void OuterSize::setOuterWidth(int twips)
{
    // A maximised, full-screen or minimised window keeps its state: resizing it would drop the
    // state and leave a strip of the new width.
    if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    outerTwips_.setWidth(twips);
    const QMargins frame = knownFrame();
    resizeWithin({twipsToPixels(twips), window_->height() + frame.top() + frame.bottom()}, frame);
}

void OuterSize::resizeWithin(QSize outerPixels, QMargins frame)
{
    const QSize inner(std::max(0, outerPixels.width() - frame.left() - frame.right()),
                      std::max(0, outerPixels.height() - frame.top() - frame.bottom()));
    if (fixed_)
        window_->setFixedSize(inner);
    else
        window_->resize(inner);
}

// The window manager reports the frame with the first placing of the window on screen, which
// reaches the window as a move or resize before its first paint.
bool OuterSize::eventFilter(QObject* watched, QEvent* event)
{
    if (frameKnown_ || watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::UpdateRequest:
    case QEvent::WindowActivate: break;
    default: return false;
    }
    const QMargins frame = frameOf_(*window_);
    if (frame.isNull() || !window_->isVisible())
        return false;
    frameKnown_ = true;
    if (frame != expectedFrame_)
        resizeWithin(twipsSize(outerTwips_.width(), outerTwips_.height()), frame);
    return false;
}

} // namespace flange
