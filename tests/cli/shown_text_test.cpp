// What the checker shows of texts it does not control (field texts, file names), and the names it
// gives reports: nothing may reach the screen as a control character, and no name may be lost.

#include "cli/report_targets.h"
#include "cli/shown_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Shown {
    const char* name;
    QByteArray text;   // UTF-8 for field texts, any bytes for file names
    const char* field; // null for bytes that are no UTF-8 text
    const char* file;
};

void PrintTo(const Shown& s, std::ostream* os) { *os << s.name; }

class ShownText : public ::testing::TestWithParam<Shown> {};

TEST_P(ShownText, KeepsPrintableTextAndWritesTheRestVisibly)
{
    const auto& s = GetParam();
    if (s.field) {
        EXPECT_EQ(flange::withVisibleControls(QString::fromUtf8(s.text)),
                  QString::fromUtf8(s.field));
    }
    EXPECT_EQ(flange::shownFileName(s.text), QString::fromUtf8(s.file));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShownText,
    ::testing::Values(
        Shown{"Plain", "Ｍ27 (t・cm) ~", "Ｍ27 (t・cm) ~", "Ｍ27 (t・cm) ~"},
        // A backslash always starts an escape, so ESC and the four characters "\x1B" differ.
        Shown{"Backslash", "\\x1B\\", "\\\\x1B\\\\", "\\\\x1B\\\\"},
        Shown{"DirectionControls", "rtl\u202Egpj\u202A\u2066\u2069\u200E\u200F\u061C",
              "rtl\\u202Egpj\\u202A\\u2066\\u2069\\u200E\\u200F\\u061C",
              "rtl\\u202Egpj\\u202A\\u2066\\u2069\\u200E\\u200F\\u061C"},
        Shown{"Separators", "a\u2028b\u2029", "a\\u2028b\\u2029", "a\\u2028b\\u2029"},
        Shown{"BesideTheEscapedRanges", "\u2027\u202F\u2065\u206A\u200D\u0640",
              "\u2027\u202F\u2065\u206A\u200D\u0640", "\u2027\u202F\u2065\u206A\u200D\u0640"},
        Shown{"C0", QByteArray("\x00\x1b[31m\t\r\n\x1f", 10), "\\x00\\x1B[31m\\x09\\x0D\\x0A\\x1F",
              "\\x00\\x1B[31m\\x09\\x0D\\x0A\\x1F"},
        Shown{"Delete",
              "a\x7f"
              "b",
              "a\\x7Fb", "a\\x7Fb"},
        Shown{"C1", "\xc2\x80\xc2\x9b\xc2\x9f", "\\u0080\\u009B\\u009F", "\\u0080\\u009B\\u009F"},
        Shown{"JustPastTheControls", "\xc2\xa0\x20", "\xc2\xa0\x20", "\xc2\xa0\x20"},
        // A name that is not UTF-8 as a whole: every byte past ASCII written out, even where a
        // few of them would pass for UTF-8 (DD 8C here).
        Shown{"Cp932Name", "\x90\xdd\x8c\x76\x1b.sou", nullptr, "\\x90\\xDD\\x8Cv\\x1B.sou"},
        Shown{"TruncatedSequence", "\xe8\xa8\\.sou", nullptr, "\\xE8\\xA8\\\\.sou"},
        Shown{"OverlongSlash", "\xc0\xaf", nullptr, "\\xC0\\xAF"},
        Shown{"Surrogate", "\xed\xa0\x80", nullptr, "\\xED\\xA0\\x80"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportNames, FollowTheirDesignsAndAreNeverGivenTwiceInARun)
{
    flange::ReportTargets targets({});
    const std::pair<QByteArray, QByteArray> names[] = {
        {"plans/worked-example.sou", "out/worked-example.pdf"},
        {"other/worked-example.sou", "out/worked-example-2.pdf"},
        {"worked-example", "out/worked-example-3.pdf"},
        {"-", "out/stdin.pdf"},
        {"a.b.sou", "out/a.b.pdf"},
        {".sou", "out/.sou.pdf"},
        {"x/\x90\xdd\x8c\x76.sou", "out/設計.pdf"},
        {"\xff\x41.sou", "out/\\xFFA.pdf"},
    };
    for (const auto& [design, report] : names)
        EXPECT_EQ(targets.inFolder("out", design), report) << design.toStdString();
    EXPECT_EQ(targets.inFolder("out/", "z.sou"), "out/z.pdf");
}

} // namespace
