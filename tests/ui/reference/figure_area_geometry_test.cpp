// The scroll ranges of the reference figures: content less the pane's inner size, in cells.

#include "ui/reference/figure_area_geometry.h"

#include <gtest/gtest.h>

namespace {

namespace fa = flange::figure_area;

struct MaximumCase {
    const char* name;
    int contentCells;
    int paneTwips;
    int cellTwips;
    int twipsPerPixel;
    int expected;
};
void PrintTo(const MaximumCase& c, std::ostream* os) { *os << c.name; }

class ScrollMaximumTest : public ::testing::TestWithParam<MaximumCase> {};

TEST_P(ScrollMaximumTest, IsContentLessInnerPaneRoundedHalfToEven)
{
    const auto& c = GetParam();
    EXPECT_EQ(fa::scrollMaximum(c.contentCells, c.paneTwips, c.cellTwips, c.twipsPerPixel),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollMaximumTest,
    ::testing::Values(
        // 70 − (4785 − 60) / 120 = 30.625; 56 − 6225 / 120 = 4.125; 36 − 5025 / 240 = 15.0625
        MaximumCase{"figure1Horizontal", 70, 4785, 120, 15, 31},
        MaximumCase{"figure2Horizontal", 56, 6285, 120, 15, 4},
        MaximumCase{"figure2Vertical", 36, 5085, 240, 15, 15},
        // 10 − 5.5 = 4.5 and 10 − 6.5 = 3.5 both round to the even 4
        MaximumCase{"halfDownToEven", 10, 720, 120, 15, 4},
        MaximumCase{"halfUpToEven", 10, 840, 120, 15, 4},
        // At 12 twips per pixel the border is thinner: 70 − 4737 / 120 = 30.525
        MaximumCase{"otherResolution", 70, 4785, 120, 12, 31},
        MaximumCase{"paneLargerThanContent", 10, 2460, 120, 15, -10}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
