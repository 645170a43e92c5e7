#pragma once

// The program's fonts: ＭＳ ゴシック where the system has it, else IPAGothic, which draws the same
// fixed-pitch Japanese glyphs.

#include <QFont>

namespace flange {

inline constexpr qreal defaultFontPoints = 9.0;

QFont gothicFont(qreal points = defaultFontPoints, bool bold = false);

} // namespace flange
