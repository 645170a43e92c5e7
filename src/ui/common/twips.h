#pragma once

// Window geometry is given in twips; Qt places widgets in logical pixels. The conversion is 15
// twips per logical pixel (1440 twips per inch at 96 logical pixels per inch), and it is done here
// only. Because Qt scales logical pixels to the screen, the windows keep their proportions at other
// scale factors.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace flange {

inline constexpr int twipsPerPixel = 15;

// A position in twips, rounded to the nearest logical pixel.
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QSize pixelsToTwips(QSize pixels);

QPoint twipsPoint(int left, int top);
QSize twipsSize(int width, int height);
// A rectangle whose edges are rounded separately, so that neighbouring controls stay flush. A
// negative width or height (a pane squeezed by a small window) counts as 0.
QRect twipsRect(int left, int top, int width, int height);
QRect twipsRect(const QRect& twips);

} // namespace flange
