#pragma once

// The program's name, as its windows and message boxes carry it.

namespace flange {

inline constexpr char programName[] = "ペルグリン";

} // namespace flange
