#pragma once

// The faces the program's texts are set in, windows and report alike: ＭＳ ゴシック where the
// system has it, else IPAGothic (fonts-ipafont-gothic, which the package depends on). Both are
// fixed-pitch gothics whose half-width characters advance half the point size, which the report's
// horizontal positions assume.

#include <string_view>

namespace flange {

inline constexpr std::string_view preferredGothicFace = "ＭＳ ゴシック";
inline constexpr std::string_view standInGothicFace = "IPAGothic";

} // namespace flange
