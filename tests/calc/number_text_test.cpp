// Reading typed numbers and writing rounded results: the two places where a wrong character or a
// wrong last digit would silently change what the engineer signs off.

#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

using flange::NumberPattern;
using flange::parseNumber;
using flange::roundToPattern;

struct ParseCase {
    const char* name;
    std::string text;
    std::optional<double> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheNumberOrFails)
{
    const auto& c = GetParam();
    const auto value = parseNumber(c.text);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << "text: [" << c.text << "]";
    if (c.expected) {
        EXPECT_DOUBLE_EQ(*value, *c.expected) << "text: [" << c.text << "]";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseNumberTest,
    ::testing::Values(
        ParseCase{"Integer", "600", 600}, ParseCase{"Decimal", "21.63", 21.63},
        ParseCase{"LeadingPoint", ".5", 0.5}, ParseCase{"TrailingPoint", "5.", 5},
        ParseCase{"Negative", "-1.25", -1.25}, ParseCase{"ExplicitPlus", "+3", 3},
        ParseCase{"Exponent", "1.5e2", 150}, ParseCase{"UpperExponentWithSign", "25E-1", 2.5},
        ParseCase{"BlanksAround", "  12.5  ", 12.5}, ParseCase{"TabAround", "\t7\t", 7},
        ParseCase{"Grouping", "1,200", 1200},
        ParseCase{"GroupingAfterThreeDigits", "123,456", 123456},
        ParseCase{"GroupingTwice", "-1,234,567.5", -1234567.5},
        ParseCase{"FullWidthDigitsAndPoint", "１２．５", 12.5},
        ParseCase{"EveryFullWidthDigit", "９８７６５４３２１０", 9876543210},
        ParseCase{"FullWidthMinusAndComma", "－１，２００", -1200},
        ParseCase{"FullWidthBlank", "\u3000０.１２\u3000", 0.12},
        ParseCase{"FullWidthExponent", "１ｅ３", 1000}, ParseCase{"Empty", "", std::nullopt},
        ParseCase{"SingleBlank", " ", std::nullopt}, ParseCase{"SignOnly", "-", std::nullopt},
        ParseCase{"PointOnly", ".", std::nullopt}, ParseCase{"Letters", "abc", std::nullopt},
        ParseCase{"TrailingLetters", "12cm", std::nullopt},
        ParseCase{"InnerBlank", "1 2", std::nullopt}, ParseCase{"TwoPoints", "1.2.3", std::nullopt},
        ParseCase{"CommaAsDecimalPoint", "1,2", std::nullopt},
        ParseCase{"GroupOfFour", "1,2000", std::nullopt},
        ParseCase{"GroupTooLongLead", "1234,567", std::nullopt},
        ParseCase{"CommaInFraction", "1.200,5", std::nullopt},
        ParseCase{"LeadingComma", ",500", std::nullopt},
        ParseCase{"ExponentWithoutDigits", "1e", std::nullopt},
        ParseCase{"NaN", "nan", std::nullopt}, ParseCase{"Infinity", "inf", std::nullopt},
        ParseCase{"Hexadecimal", "0x10", std::nullopt},
        ParseCase{"Overflow", "1e400", std::nullopt}, ParseCase{"TwoSigns", "--1", std::nullopt},
        ParseCase{"OtherFullWidthLetter", "１Ａ", std::nullopt},
        ParseCase{"BrokenUtf8", std::string("1\xE0\x80", 3), std::nullopt},
        // Overlong encodings of digits are not the digits.
        ParseCase{"OverlongTwoBytes", std::string("\xC0\xB0", 2), std::nullopt},
        ParseCase{"OverlongThreeBytes", std::string("\xE0\x80\xB5", 3), std::nullopt},
        ParseCase{"Surrogate", std::string("1\xED\xA0\x80", 4), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundCase {
    const char* name;
    double value;
    NumberPattern pattern;
    const char* text;
};

// Named in test names and failure messages by its name, not by a dump of its bytes.
void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }

class RoundToPatternTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToPatternTest, WritesExactlyThePatternsDecimals)
{
    const auto& c = GetParam();
    const auto rounded = roundToPattern(c.value, c.pattern);
    ASSERT_TRUE(rounded.has_value());
    EXPECT_EQ(rounded->text, c.text);
    EXPECT_DOUBLE_EQ(rounded->value, std::stod(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, RoundToPatternTest,
    ::testing::Values(
        RoundCase{"OneDecimalHalfUp", 9.185, NumberPattern::OneDecimal, "9.2"},
        RoundCase{"OneDecimalFreeEdge", 11.480502, NumberPattern::OneDecimal, "11.5"},
        RoundCase{"TwoDecimalsPadsZeros", 10, NumberPattern::TwoDecimals, "10.00"},
        RoundCase{"ThreeDecimalsExact", 0.625, NumberPattern::ThreeDecimals, "0.625"},
        RoundCase{"ThreeDecimalsPads", 1.5, NumberPattern::ThreeDecimals, "1.500"},
        RoundCase{"FourDecimals", 0.09452, NumberPattern::FourDecimals, "0.0945"},
        RoundCase{"DecimalHalfNotBinary", 1.005, NumberPattern::TwoDecimals, "1.01"},
        RoundCase{"DecimalHalfNotBinary2", 2.675, NumberPattern::TwoDecimals, "2.68"},
        RoundCase{"NegativeHalfAwayFromZero", -0.0125, NumberPattern::ThreeDecimals, "-0.013"},
        RoundCase{"NegativeValue", -9.185, NumberPattern::OneDecimal, "-9.2"},
        RoundCase{"NegativeRoundsToZeroHasNoSign", -0.0004, NumberPattern::ThreeDecimals, "0.000"},
        RoundCase{"NegativeZero", -0.0, NumberPattern::TwoDecimals, "0.00"},
        RoundCase{"TinyPositive", 5.358979e-8 * 30, NumberPattern::OneDecimal, "0.0"},
        RoundCase{"HalfAtFirstDigit", 0.05, NumberPattern::OneDecimal, "0.1"},
        RoundCase{"BelowHalfAtFirstDigit", 0.04999, NumberPattern::OneDecimal, "0.0"},
        RoundCase{"FarBelowRoundingPlace", 0.000004, NumberPattern::TwoDecimals, "0.00"},
        RoundCase{"CarryIntoNewDigit", 9.9996, NumberPattern::ThreeDecimals, "10.000"},
        RoundCase{"CarryAllNines", 99.95, NumberPattern::OneDecimal, "100.0"},
        RoundCase{"RatioJustBelowOne", 0.9995, NumberPattern::ThreeDecimals, "1.000"},
        RoundCase{"LargeValue", 123456789012.345, NumberPattern::TwoDecimals, "123456789012.35"},
        RoundCase{"HugeValueNoGrouping", 1e20, NumberPattern::OneDecimal,
                  "100000000000000000000.0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundToPattern, RefusesNonFiniteValues)
{
    EXPECT_FALSE(
        roundToPattern(std::numeric_limits<double>::infinity(), NumberPattern::OneDecimal));
    EXPECT_FALSE(
        roundToPattern(-std::numeric_limits<double>::infinity(), NumberPattern::OneDecimal));
    EXPECT_FALSE(roundToPattern(std::nan(""), NumberPattern::TwoDecimals));
}

TEST(RoundToPattern, RoundedTextReadsBackAsItsValue)
{
    // Later steps read results back from their text: the text and the value must agree.
    for (double v = -3.0; v < 3.0; v += 0.0137) {
        for (auto p : {NumberPattern::OneDecimal, NumberPattern::TwoDecimals,
                       NumberPattern::ThreeDecimals, NumberPattern::FourDecimals}) {
            const auto r = roundToPattern(v, p);
            ASSERT_TRUE(r);
            const auto back = parseNumber(r->text);
            ASSERT_TRUE(back) << r->text;
            EXPECT_EQ(*back, r->value) << r->text;
            const auto point = r->text.find('.');
            ASSERT_NE(point, std::string::npos);
            EXPECT_EQ(static_cast<int>(r->text.size() - point - 1), flange::decimalsOf(p));
        }
    }
}

} // namespace
