#pragma once

#include <array>

namespace flange::plate {

// Partial derivatives of a deflection up to third order: table[m][n] = ∂^(m+n) w / ∂x^m ∂y^n for
// m + n ≤ 3 (entries with m + n > 3 stay zero).
using DerivativeTable = std::array<std::array<double, 4>, 4>;

} // namespace flange::plate
