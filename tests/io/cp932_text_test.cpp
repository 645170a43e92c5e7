// Design files must be readable by the Windows programs engineers exchange them with, so the
// conversion has to be code page 932 itself, Windows extensions included. (What it refuses is
// tested through the design file.)

#include "io/cp932_text.h"

#include <gtest/gtest.h>

namespace {

using flange::decodeCp932;
using flange::encodeCp932;

struct Mapping {
    const char* name;
    const char* text; // UTF-8
    QByteArray bytes;
};

void PrintTo(const Mapping& m, std::ostream* os) { *os << m.name; }

class Cp932Mapping : public ::testing::TestWithParam<Mapping> {};

TEST_P(Cp932Mapping, EncodesAndDecodesBothWays)
{
    const auto& m = GetParam();
    const QString text = QString::fromUtf8(m.text);
    const auto bytes = encodeCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->toHex(' '), m.bytes.toHex(' '));
    const auto back = decodeCp932(m.bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, text);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp932Mapping,
    ::testing::Values(
        Mapping{"FullWidthM", "Ｍ20",
                QByteArray("\x82\x6C"
                           "20")},
        Mapping{"Ascii", "1.5e2, -3", QByteArray("1.5e2, -3")},
        Mapping{"HalfWidthKatakana", "ﾓｰﾒﾝﾄ", QByteArray("\xD3\xB0\xD2\xDD\xC4")},
        Mapping{"WaveDashAsWindowsMapsIt", "～", QByteArray("\x81\x60")},
        Mapping{"NecCircledDigit", "①", QByteArray("\x87\x40")},
        Mapping{"IbmExtensionKanji", "髙", QByteArray("\xFB\xFC")},
        Mapping{"UserDefinedArea", "\xEE\x80\x80", QByteArray("\xF0\x40")},
        Mapping{"Caption", "(t・cm)曲げモーメント",
                QByteArray("(t\x81\x45"
                           "cm)\x8B\xC8\x82\xB0\x83\x82\x81\x5B\x83\x81\x83\x93\x83\x67")},
        Mapping{"Empty", "", QByteArray()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp932Text, DuplicateCodesOfAKanjiReadAsTheSameCharacter)
{
    // Files from other programs may use the NEC-selected row instead of the IBM one.
    EXPECT_EQ(decodeCp932(QByteArray("\xEE\xE0")), QString::fromUtf8("髙"));
    EXPECT_EQ(decodeCp932(QByteArray("\xFB\xFC")), QString::fromUtf8("髙"));
}

TEST(Cp932Text, EverySingleByteCodeIsItsOwnCharacterBothWays)
{
    // Control bytes included: the ICU converter swaps 0x1A, 0x1C and 0x7F.
    for (char16_t code = 0; code < 0x80; ++code) {
        const QByteArray byte(1, char(code));
        const QString character(QChar{code});
        EXPECT_EQ(decodeCp932(byte), character) << "byte " << int(code);
        EXPECT_EQ(encodeCp932(character), byte) << "character " << int(code);
    }
}

} // namespace
