// The bytes of a design file: what Save As writes, and what Open makes of any bytes at all.

#include "io/design_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using flange::decodeDesignFile;
using flange::DesignInputs;
using flange::encodeDesignFile;
using namespace std::string_literals;

// Inputs whose first texts are given and the rest empty.
DesignInputs inputsStartingWith(const std::vector<std::string>& texts)
{
    DesignInputs inputs;
    std::copy(texts.begin(), texts.end(), inputs.begin());
    return inputs;
}

// clang-format off
const DesignInputs fileFormatExample{"Ｍ20", "3.14", "8",   "40",   "1.5", "20",  "50", "1.0", "20",
                                     "0.7",  "18",   "5",   "1200", "2.2", "2.0", "0.5", "0.12"};

TEST(DesignFileBytes, WorkedExampleIsExactlyItsNinetyNineBytes)
{
    const auto encoded = encodeDesignFile(fileFormatExample);
    ASSERT_TRUE(encoded.ok());
    const QByteArray firstLine = QByteArray::fromHex(
        "22 82 6C 32 30 22 2C 22 33 2E 31 34 22 2C 22 38 22 2C 22 34 30 22 2C 22 31 2E 35 22 2C 22 "
        "32 30 22 2C 22 35 30 22 0D 0A");
    const QByteArray secondLine("\"1.0\",\"20\",\"0.7\",\"18\",\"5\",\"1200\",\"2.2\",\"2.0\",\"0.5\",\"0.12\"\r\n");
    EXPECT_EQ(firstLine.size(), 40);
    EXPECT_EQ(secondLine.size(), 59);
    EXPECT_EQ(encoded.value().toHex(' '), (firstLine + secondLine).toHex(' '));
}

TEST(DesignFileBytes, EmptyTextsAreTwoQuotes)
{
    const auto encoded = encodeDesignFile(DesignInputs{});
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.value(), QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                                         "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
}

struct RoundTrip {
    const char* name;
    DesignInputs inputs;
};
// clang-format on

void PrintTo(const RoundTrip& p, std::ostream* os) { *os << p.name; }

class DesignFileRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(DesignFileRoundTrip, ReadsBackEveryTextExactly)
{
    const auto encoded = encodeDesignFile(GetParam().inputs);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(decodeDesignFile(encoded.value()), GetParam().inputs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, DesignFileRoundTrip,
    ::testing::Values(
        RoundTrip{"FileFormatExample", fileFormatExample},
        RoundTrip{"AllEmpty", DesignInputs{}},
        RoundTrip{"EmptyBetweenFilled",
                  DesignInputs{"Ｍ27", "", "8", "", "1.4", "", "40", "", "15", "", "15", "", "600", "", "2.2",
                               "", "0.12"}},
        RoundTrip{"CommaInside", inputsStartingWith({"Ｍ27", "5.73", "8", "30", "1.4", "21.63", "40", "0.9",
                                                     "15", "0.6", "15", "5", "1,200", ",", "a,b,c"})},
        RoundTrip{"FullWidthAndHandTypedSize",
                  inputsStartingWith({"Ｍ３６", "５．７３", "８本", "ﾓｰﾒﾝﾄ", "①", "髙", "（仮定）"})},
        RoundTrip{"BlanksAndLineEndsInside",
                  inputsStartingWith({" 5", "5 ", "\t", "　", "a\r\nb", "\n", "\r", " "})},
        RoundTrip{"AsciiPunctuation", inputsStartingWith({"C:\\x~", "'1'", "%1", "<>&;"})},
        RoundTrip{"NulInside", inputsStartingWith({"a\0b"s, "\0"s})},
        RoundTrip{"LongText", inputsStartingWith({std::string(20000, '9'), "鋼管"})}),
    [](const auto& info) { return std::string(info.param.name); });

struct Reading {
    const char* name;
    std::string bytes;
    std::vector<std::string> firstFields; // the rest are expected empty
};
// clang-format on

void PrintTo(const Reading& p, std::ostream* os) { *os << p.name; }

class DesignFileReading : public ::testing::TestWithParam<Reading> {};

TEST_P(DesignFileReading, TakesTheFirstSeventeenFields)
{
    const auto& r = GetParam();
    const QByteArray bytes(r.bytes.data(), qsizetype(r.bytes.size()));
    EXPECT_EQ(decodeDesignFile(bytes), inputsStartingWith(r.firstFields));
}

// clang-format off
const std::string workedFirstRecord = "\"\x82\x6C" "20\",\"3.14\",\"8\",\"40\",\"1.5\",\"20\",\"50\"";
const std::string workedSecondRecord = "\"1.0\",\"20\",\"0.7\",\"18\",\"5\",\"1200\",\"2.2\",\"2.0\",\"0.5\",\"0.12\"";
// clang-format on
const std::vector<std::string> workedTexts(fileFormatExample.begin(), fileFormatExample.end());

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rules, DesignFileReading,
    ::testing::Values(
        Reading{"CrLf", workedFirstRecord + "\r\n" + workedSecondRecord + "\r\n", workedTexts},
        Reading{"LoneLf", workedFirstRecord + "\n" + workedSecondRecord + "\n", workedTexts},
        Reading{"LoneCr", workedFirstRecord + "\r" + workedSecondRecord + "\r", workedTexts},
        Reading{"OneLineNoLineEnd", workedFirstRecord + "," + workedSecondRecord, workedTexts},
        Reading{"TrailingDataIgnored",
                workedFirstRecord + "\r\n" + workedSecondRecord + "\r\n\"x\",\"y\"\r\ngarbage", workedTexts},
        Reading{"EachFieldOnItsOwnLine", "\"a\"\r\n\"b\"\n\"c\"\r\"d\"", {"a", "b", "c", "d"}},
        Reading{"LfCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
        Reading{"EmptyLineIsEmptyField", "\"a\"\r\n\r\n\"b\"", {"a", "", "b"}},
        Reading{"Unquoted", "\x82\x6C" "20,3.14,8\r\n", {"Ｍ20", "3.14", "8"}},
        Reading{"UnquotedBlanksDropped", "  3.14  ,\t8\t,1 2 ,1.50 \r\n", {"3.14", "8", "1 2", "1.50"}},
        Reading{"UnquotedKeepsQuoteInside", "ab\"c,d", {"ab\"c", "d"}},
        Reading{"BlanksBeforeQuotedSkipped", " \"a\", \t\"b\"", {"a", "b"}},
        Reading{"BlanksInsideQuotesKept", "\" a \",\"\t\"", {" a ", "\t"}},
        Reading{"BoltAreaIsPlainText", "\"\x82\x6C" "22\",\"3.80\"", {"Ｍ22", "3.80"}},
        Reading{"EmptyFields", "\"\",,\"x\",", {"", "", "x"}},
        Reading{"CommaAndLineEndInsideQuotes", "\"1,200\",\"a\r\nb\",\"c\"", {"1,200", "a\r\nb", "c"}},
        Reading{"TextAfterClosingQuoteIgnored", "\"a\"junk,\"b\" \"c\",\"d\"", {"a", "b", "d"}},
        Reading{"FirstRecordOnly", workedFirstRecord + "\r\n",
                {"Ｍ20", "3.14", "8", "40", "1.5", "20", "50"}},
        Reading{"FirstRecordWithEightFieldsShifts",
                "\"\x82\x6C" "20\",\"3.14\",\"8\",\"40\",\"1.5\",\"20\",\"50\",\"9\"\r\n" + workedSecondRecord + "\r\n",
                {"Ｍ20", "3.14", "8", "40", "1.5", "20", "50", "9", "1.0", "20", "0.7", "18", "5", "1200",
                 "2.2", "2.0", "0.5"}},
        Reading{"ExtraFieldsIgnored", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20",
                {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17"}},
        Reading{"UnterminatedQuoteRunsToTheEnd", "\"a\",\"b,c\r\n", {"a", "b,c\r\n"}},
        Reading{"InvalidBytesEmptyOnlyTheirField", "\"a\",\"\x85\x40\",\"c\"", {"a", "", "c"}},
        Reading{"LeadByteBeforeClosingQuote", "\"\x82\",\"x\"", {"", "x"}},
        Reading{"InvalidUnquotedByte", "\xFF,5", {"", "5"}},
        Reading{"EmptyFile", "", {}},
        Reading{"OnlyBlanksAndLineEnds", " \r\n\t\r\n", {}},
        Reading{"NulBytes", "\"a\0b\",\0,\"c\""s, {"a\0b"s, "\0"s, "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

using flange::FileErrorKind;
// clang-format on

struct Refusal {
    const char* name;
    DesignInputs inputs;
    const char* caption;
    FileErrorKind kind;
    const char* character; // the character named, for UnstorableCharacter
};

void PrintTo(const Refusal& p, std::ostream* os) { *os << p.name; }

class DesignFileRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(DesignFileRefusal, NamesTheFieldAndGivesNoBytes)
{
    const auto& r = GetParam();
    const auto encoded = encodeDesignFile(r.inputs);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error().kind, r.kind);
    EXPECT_EQ(encoded.error().field, QString::fromUtf8(r.caption));
    EXPECT_EQ(encoded.error().character, QString::fromUtf8(r.character));
}

constexpr auto quote = FileErrorKind::QuoteInText;
constexpr auto unstorable = FileErrorKind::UnstorableCharacter;

INSTANTIATE_TEST_SUITE_P(
    Texts, DesignFileRefusal,
    ::testing::Values(
        Refusal{"DoubleQuote", inputsStartingWith({"Ｍ20", "3\"14"}), "(cm2)使用ボルト断面積",
                quote, ""},
        Refusal{"Euro",
                inputsStartingWith({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                    "0.12€"}),
                "参考図－２より", unstorable, "€"},
        Refusal{"Emoji", inputsStartingWith({"Ｍ20😀"}), "使用ボルト", unstorable, "😀"},
        Refusal{"MathematicalMinus",
                inputsStartingWith({"", "", "", "", "", "", "", "", "", "", "", "", "−600"}),
                "(t・cm)曲げモーメント", unstorable, "−"},
        Refusal{"YenSign", inputsStartingWith({"", "", "", "", "", "", "", "", "", "", "", "¥100"}),
                "(t)せん断力", unstorable, "¥"},
        // Encodes, but under the code of the numero sign: it would come back as another character.
        Refusal{"StoredAsAnotherCharacter", inputsStartingWith({"", "\xEF\xA1\xAF"}),
                "(cm2)使用ボルト断面積", unstorable, "\xEF\xA1\xAF"},
        Refusal{"FirstOfTwoInFileOrder",
                inputsStartingWith({"", "", "", "€", "", "", "", "", "", "", "\""}),
                "(cm)ボルト列直径", unstorable, "€"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesignInputs, FollowTheFileOrderOfTheRecord)
{
    flange::DesignRecord record;
    record.boltSize = "Ｍ27";
    record.flangeDiameter = "40";
    record.ribThickness = "0.9";
    record.alpha0 = "0.12";
    record.boltRatio = "0.831";
    const DesignInputs inputs = flange::inputsOf(record);
    EXPECT_EQ(inputs[0], "Ｍ27");
    EXPECT_EQ(inputs[6], "40");
    EXPECT_EQ(inputs[7], "0.9");
    EXPECT_EQ(inputs[16], "0.12");

    flange::DesignRecord restored;
    flange::applyInputs(restored, inputs);
    EXPECT_EQ(flange::inputsOf(restored), inputs);
    EXPECT_TRUE(restored.boltRatio.empty()) << "results are not inputs";
}

} // namespace
