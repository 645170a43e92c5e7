#pragma once

// Conversion between field texts and numbers.
//
// Texts are read in the number syntax of the Japanese locale, as an engineer types them; results
// are rounded to the number pattern of their field and written with exactly that many decimals.

#include <optional>
#include <string>
#include <string_view>

namespace flange {

// The number patterns of the result fields. Each writes a fixed number of decimals, at least one
// digit before the point, a leading "-" for negative values and no digit grouping.
enum class NumberPattern {
    OneDecimal,    // "0.0"
    TwoDecimals,   // "0.#0"
    ThreeDecimals, // "0.##0"
    FourDecimals,  // "0.###0"
};

int decimalsOf(NumberPattern pattern);

// The number a text denotes, or nothing when the text is not a number.
// Accepted: blanks before and after, an optional sign, digits with optional "," grouping of three
// in the integer part ("1,200"), an optional decimal point (".5", "5."), an optional exponent
// ("1.5e2"). Full-width digits, sign, point, comma, exponent letter and the full-width blank, as a
// Japanese input method types them ("１２．５"), count as their ASCII counterparts. Anything else,
// the empty text included, is not a number; so are "nan", "inf", hexadecimal and out-of-range values.
std::optional<double> parseNumber(std::string_view text);

// A value rounded to a pattern: the text to show and the number that text denotes.
struct RoundedNumber {
    std::string text;
    double value = 0.0;
};

// Rounds a value to the pattern's decimals, halves away from zero, deciding halves on the decimal
// form of the value with 15 significant digits (so 1.005 with two decimals gives 1.01). A value
// that rounds to zero is written without a sign. Nothing for a non-finite value, and nothing for a
// value so close to the largest double that its rounded text would overflow.
std::optional<RoundedNumber> roundToPattern(double value, NumberPattern pattern);

} // namespace flange
