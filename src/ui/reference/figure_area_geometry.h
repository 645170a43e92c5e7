#pragma once

// Where the reference figure panes and their scroll bars go in the main window's figure area, and
// how a scroll value moves a figure. All in twips, relative to the figure area (the main window's
// client area right of the input pane, 4900 twips in). Inside the two reference figure panes,
// scrolling counts in character cells of 120 × 240 twips.

#include <QRect>
#include <QSize>

namespace flange::figure_area {

inline constexpr int scrollBarTwips = 250; // height of a horizontal, width of a vertical bar
inline constexpr int cellWidthTwips = 120;
inline constexpr int cellHeightTwips = 240;
inline constexpr int paneBorderPixels = 2; // sunken border on each side of a pane

// The outer width the main window takes when a reference figure is shown.
inline constexpr int referenceWindowWidthTwips = 11000;

struct FigureLayout {
    QRect pane;    // the figure's pane
    QRect hScroll; // horizontal bar below the pane
    QRect vScroll; // vertical bar along the pane's right edge; empty when there is none
};

// Layouts for a figure area of the given size; sizes that would be negative are 0.
// Reference figure 1: the pane over a horizontal bar, both the area's width.
FigureLayout layoutReferenceFigure1(QSize areaTwips);
// Reference figure 2: the pane with a vertical bar at its right and a horizontal bar below,
// leaving a square of the bars' thickness empty at the lower right corner.
FigureLayout layoutReferenceFigure2(QSize areaTwips);

// Largest scroll value that brings the far edge of a drawing contentCells long into a pane of
// paneTwips outer length: contentCells less the pane's inner length in cells, rounded to the
// nearest integer with halves to even.
int scrollMaximum(int contentCells, int paneTwips, int cellTwips, int twipsPerPixel);

struct ScrollMaxima {
    int hScroll2; // reference figure 1, horizontal
    int hScroll1; // reference figure 2, horizontal
    int vScroll2; // reference figure 2, vertical
};

// The maxima from the panes' sizes when the main window is loaded (figure 1 pane 4785 × 2115,
// figure 2 pane 6285 × 5085 twips); they are not recomputed later.
ScrollMaxima initialScrollMaxima(int twipsPerPixel);

// Reference figure 1 starts 2 cells in from the left of its pane, 1140 twips down; reference
// figure 2 starts at the left, half a cell down.
inline constexpr int figure1StartLeftTwips = 2 * cellWidthTwips;
inline constexpr int figure1TopTwips = 1140;
inline constexpr int figure2StartTopTwips = cellHeightTwips / 2;

// Figure positions inside their pane for a scroll value v: the left edge at −v cells, whatever
// the start; the top edge v cells above where it started (reference figure 2: 0.5 − v cells).
inline constexpr int figureLeftTwips(int hScroll) { return -cellWidthTwips * hScroll; }
inline constexpr int figureTopTwips(int startTopTwips, int vScroll)
{
    return startTopTwips - cellHeightTwips * vScroll;
}

} // namespace flange::figure_area
