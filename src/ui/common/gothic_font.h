#pragma once

// The program's window fonts, in the gothic faces of assets/gothic_faces.h.

#include <QFont>

namespace flange {

inline constexpr qreal defaultFontPoints = 9.0;

QFont gothicFont(qreal points = defaultFontPoints, bool bold = false);

} // namespace flange
