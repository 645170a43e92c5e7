#pragma once

// Arithmetic on values that may be missing. A step whose operand is missing, that divides by
// zero, takes the square root of a negative number or overflows gives nothing, and so does every
// later step that needs its value: that is how a calculation skips what it cannot carry out.

#include <cmath>
#include <optional>

namespace flange::checked {

using Value = std::optional<double>;

inline Value finite(double v) { return std::isfinite(v) ? Value(v) : std::nullopt; }

inline Value times(Value a, Value b) { return (a && b) ? finite(*a * *b) : std::nullopt; }

inline Value minus(Value a, Value b) { return (a && b) ? finite(*a - *b) : std::nullopt; }

inline Value dividedBy(Value a, Value b)
{
    return (a && b && *b != 0.0) ? finite(*a / *b) : std::nullopt;
}

inline Value squared(Value a) { return a ? finite(std::pow(*a, 2.0)) : std::nullopt; }

inline Value squareRoot(Value a) { return (a && *a >= 0.0) ? finite(std::sqrt(*a)) : std::nullopt; }

inline Value sine(Value a) { return a ? finite(std::sin(*a)) : std::nullopt; }

} // namespace flange::checked
