// Any text an engineer might type either is no number or is a finite one, and rounding that number
// to each pattern gives a text of the pattern's form that reads back as the rounded value, lies
// within half a unit of the last decimal and does not change when rounded again.

#include "calc/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// "-"?, digits, ".", exactly the pattern's decimals; no "-" on zero.
bool hasPatternForm(const std::string& text, int decimals)
{
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t wholeStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == wholeStart || i >= text.size() || text[i] != '.')
        return false;
    const std::size_t point = i++;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    return i == text.size() && text.size() - point - 1 == std::size_t(decimals);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = flange::parseNumber(text);
    if (!value)
        return 0;
    check(std::isfinite(*value));

    for (const auto pattern :
         {flange::NumberPattern::OneDecimal, flange::NumberPattern::TwoDecimals,
          flange::NumberPattern::ThreeDecimals, flange::NumberPattern::FourDecimals}) {
        const auto rounded = flange::roundToPattern(*value, pattern);
        if (!rounded) {
            // Only a value whose rounded text lies beyond the largest double has no rounding.
            check(std::fabs(*value) > 1.797693134862e308);
            continue;
        }
        const int decimals = flange::decimalsOf(pattern);
        check(hasPatternForm(rounded->text, decimals));
        check(!(rounded->text.starts_with('-') && rounded->value == 0.0));
        check(flange::parseNumber(rounded->text) == rounded->value);

        const double halfUnit = 0.5 * std::pow(10.0, -decimals);
        check(std::fabs(rounded->value - *value)
              <= halfUnit * (1 + 1e-9) + std::fabs(*value) * 1e-14);

        const auto again = flange::roundToPattern(rounded->value, pattern);
        check(again && again->text == rounded->text);
    }
    return 0;
}
