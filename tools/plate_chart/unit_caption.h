#pragma once

#include <string>

namespace flange::chart {

// The unit captions laid under reference figure 2: Image35 (810 × 330 twips) for the moment
// coefficients, ×w·Lx², and Image36 (705 × 300 twips) for the shear coefficients, ×w·Lx.
class UnitCaption {
public:
    static std::string momentUnitSvg();
    static std::string shearUnitSvg();
};

} // namespace flange::chart
