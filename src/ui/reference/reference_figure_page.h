#pragma once

// One reference figure as a page of the figure area: the figure's pane with the scrolled picture
// in it, and its scroll bars beside the pane. The page fills the figure area and lays its pane and
// bars out whenever its size changes, so the bars show and hide with the page.
//
// Scrolling counts in character cells. The ranges are fixed when the page is made; the picture
// moves only when a bar reports a new value (after a step, or when the thumb is released), and
// keeps its place while the page is hidden.

#include <QPoint>
#include <QWidget>

class QScrollBar;

namespace flange {

class SunkenPane;
class StoredPicture;

class ReferenceFigurePage : public QWidget {
    Q_OBJECT
public:
    struct Setup {
        const char* pane;    // name of the pane, e.g. "Picture3"
        const char* picture; // catalogue name of the figure, e.g. "Image18"
        QPoint startTwips;   // the figure's place before its first scroll
        const char* hScroll; // name of the horizontal bar
        int hScrollMaximum;
        const char* vScroll; // name of the vertical bar, or null for none
        int vScrollMaximum;
    };

    ReferenceFigurePage(const Setup& setup, QWidget* parent);

    SunkenPane* pane() const { return pane_; }
    StoredPicture* figure() const { return figure_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    SunkenPane* pane_;
    StoredPicture* figure_;
    QScrollBar* hScroll_;
    QScrollBar* vScroll_ = nullptr;
};

} // namespace flange
