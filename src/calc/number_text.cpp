#include "calc/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace flange {

int decimalsOf(NumberPattern pattern)
{
    switch (pattern) {
    case NumberPattern::OneDecimal: return 1;
    case NumberPattern::TwoDecimals: return 2;
    case NumberPattern::ThreeDecimals: return 3;
    case NumberPattern::FourDecimals: return 4;
    }
    return 2;
}

namespace {

// Decodes one UTF-8 code point at text[pos]; advances pos. Returns -1 for a malformed sequence.
long decodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    long cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return -1;
    }
    if (pos + length > text.size())
        return -1;
    for (int i = 1; i < length; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    constexpr long shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < shortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    pos += length;
    return cp;
}

// Maps the characters a Japanese input method types for numbers to ASCII; 0 for anything else.
char toAsciiNumberChar(long cp)
{
    if (cp >= 0x20 && cp < 0x7F)
        return static_cast<char>(cp);
    if (cp == '\t')
        return ' ';
    if (cp >= 0xFF10 && cp <= 0xFF19) // full-width digits
        return static_cast<char>('0' + (cp - 0xFF10));
    switch (cp) {
    case 0x3000: return ' '; // ideographic space
    case 0xFF0B: return '+'; // full-width plus
    case 0xFF0D: return '-'; // full-width hyphen-minus
    case 0xFF0E: return '.'; // full-width full stop
    case 0xFF0C: return ','; // full-width comma
    case 0xFF45: return 'e'; // full-width e
    case 0xFF25: return 'E'; // full-width E
    default: return 0;
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the syntax of an ASCII number text without blanks and returns it without grouping commas
// and without a leading "+", ready for from_chars; nothing when the syntax is wrong.
std::optional<std::string> canonicalNumber(std::string_view s)
{
    std::string out;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            out += '-';
        ++i;
    }
    // Integer part: plain digits, or 1-3 digits followed by groups of ",ddd".
    const std::size_t intStart = i;
    std::size_t firstGroup = 0;
    while (i < s.size() && isDigit(s[i]))
        out += s[i++], ++firstGroup;
    while (i < s.size() && s[i] == ',') {
        // A comma must follow 1-3 leading digits or a full group, and be followed by exactly three.
        if (firstGroup == 0 || firstGroup > 3 || i + 3 >= s.size())
            return std::nullopt;
        for (std::size_t k = 1; k <= 3; ++k)
            if (!isDigit(s[i + k]))
                return std::nullopt;
        if (i + 4 < s.size() && isDigit(s[i + 4]))
            return std::nullopt;
        out.append(s.substr(i + 1, 3));
        i += 4;
    }
    const bool hasIntDigits = i > intStart;
    bool hasFracDigits = false;
    if (i < s.size() && s[i] == '.') {
        out += s[i++];
        while (i < s.size() && isDigit(s[i]))
            out += s[i++], hasFracDigits = true;
    }
    if (!hasIntDigits && !hasFracDigits)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            out += s[i++];
        bool expDigits = false;
        while (i < s.size() && isDigit(s[i]))
            out += s[i++], expDigits = true;
        if (!expDigits)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    return out;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = toAsciiNumberChar(decodeUtf8(text, pos));
        if (c == 0)
            return std::nullopt;
        ascii += c;
    }
    const auto first = ascii.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const auto last = ascii.find_last_not_of(' ');
    const auto canonical = canonicalNumber(std::string_view(ascii).substr(first, last - first + 1));
    if (!canonical)
        return std::nullopt;

    double value = 0.0;
    const char* begin = canonical->data();
    const char* end = begin + canonical->size();
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<RoundedNumber> roundToPattern(double value, NumberPattern pattern)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const int decimals = decimalsOf(pattern);
    constexpr int significant = 15;

    // The decimal form with 15 significant digits: d.dddddddddddddde±x.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, significant - 1);
    if (ec != std::errc())
        return std::nullopt;
    const std::string_view sci(buffer, static_cast<std::size_t>(end - buffer));
    const auto ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    // The value times 10^decimals as a whole number of units: the digits before the rounding place.
    const long keep = static_cast<long>(exponent) + 1 + decimals;
    std::string units;
    if (keep <= 0) {
        // Every digit lies beyond the rounding place; only a 5 or more right at it rounds up.
        units = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else if (keep >= significant) {
        units = digits + std::string(static_cast<std::size_t>(keep - significant), '0');
    } else {
        units = digits.substr(0, static_cast<std::size_t>(keep));
        if (digits[static_cast<std::size_t>(keep)] >= '5') {
            // Halves and more go away from zero: add one unit, carrying.
            int i = static_cast<int>(units.size()) - 1;
            while (i >= 0 && units[static_cast<std::size_t>(i)] == '9')
                units[static_cast<std::size_t>(i--)] = '0';
            if (i < 0)
                units.insert(units.begin(), '1');
            else
                ++units[static_cast<std::size_t>(i)];
        }
    }

    // Place the point, with at least one digit before it.
    if (units.size() < static_cast<std::size_t>(decimals) + 1)
        units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
    const auto firstNonZero = units.find_first_not_of('0');
    units.insert(units.size() - static_cast<std::size_t>(decimals), ".");
    // Drop superfluous leading zeros of the whole part (to_chars never gives them, but carries may).
    while (units.size() > static_cast<std::size_t>(decimals) + 2 && units[0] == '0')
        units.erase(0, 1);

    RoundedNumber result;
    const bool isZero = firstNonZero == std::string::npos;
    result.text = (value < 0 && !isZero) ? "-" + units : units;
    const auto [p, e2] =
        std::from_chars(result.text.data(), result.text.data() + result.text.size(), result.value);
    if (e2 != std::errc() || !std::isfinite(result.value))
        return std::nullopt;
    return result;
}

} // namespace flange
