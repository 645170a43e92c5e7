#pragma once

// The size of a window given as its outer size, the window manager's frame included, as the main
// window's and the print dialog's sizes are.
//
// The frame is known only once the window is on screen. Until then the window gets its outer size
// less the frame it is expected to have (none, or the frame of a window already on screen); as
// soon as the real frame is known the window is sized once more, so that frame and window together
// take exactly the outer size. That happens before the window is first drawn at the wrong size,
// and only once: afterwards the size is the user's.

#include <QMargins>
#include <QObject>
#include <QSize>

#include <functional>

class QWidget;

namespace flange {

class OuterSize : public QObject {
public:
    // The frame the window manager has put around a window; none before the window is shown.
    using FrameOf = std::function<QMargins(const QWidget&)>;
    static QMargins windowFrame(const QWidget& window);

    // Sizes `window` (its parent, which it follows) to the outer size in twips. A fixed window
    // cannot be resized by the user.
    OuterSize(QWidget* window, QSize outerTwips, bool fixed, QMargins expectedFrame = {},
              FrameOf frameOf = windowFrame);

    // Sets the outer width in twips and keeps the height, with the frame as far as it is known; of a
    // normal window only (a maximised, full-screen or minimised one is left as it is).
    void setOuterWidth(int twips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMargins knownFrame() const;
    void resizeWithin(QSize outerPixels, QMargins frame);

    QWidget* window_;
    QSize outerTwips_;
    bool fixed_;
    QMargins expectedFrame_;
    FrameOf frameOf_;
    bool frameKnown_ = false;
};

} // namespace flange
