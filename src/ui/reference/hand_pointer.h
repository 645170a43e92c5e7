#pragma once

// The pointer of the guidance captions: a hand with the index finger raised, drawn from its SVG
// resource (":/pointer/hand.svg") at 32 × 32 pixels with the hot spot at column 12, row 1. Without
// the drawing, the toolkit's own pointing hand.

#include <QCursor>

namespace flange {

QCursor handPointer();

} // namespace flange
