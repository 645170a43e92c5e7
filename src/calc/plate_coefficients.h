#pragma once

// The table of plate coefficients over Ly/Lx (assets/data/plate-coefficients.csv), compiled into
// the program as CSV text by the build.

#include <string_view>

namespace flange {

std::string_view plateCoefficientsCsv();

} // namespace flange
