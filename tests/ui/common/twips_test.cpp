// The twips-to-pixel conversion every window places its controls with: rounding to the nearest
// pixel (mirrored for negative positions), rectangles rounded edge by edge so that neighbours stay
// flush, and sizes that would be negative taken as 0.

#include "ui/common/twips.h"

#include <gtest/gtest.h>

namespace {

using namespace flange;

TEST(TwipsTest, RoundsToTheNearestPixelMirroredBelowZero)
{
    const std::pair<int, int> cases[] = {{0, 0}, {7, 0}, {8, 1}, {22, 1}, {23, 2}, {1132, 75}};
    for (const auto& [twips, pixels] : cases) {
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
        EXPECT_EQ(twipsToPixels(-twips), -pixels) << -twips;
    }
}

struct RectCase {
    const char* name;
    QRect twips;
    QRect pixels;
};

TEST(TwipsTest, RectanglesRoundEachEdgeAndNeverGoNegative)
{
    const RectCase cases[] = {
        // Edges at 8 and 22 twips both round to 1 pixel: no width, though 14 twips alone is 1.
        {"edges round apart", QRect(8, 0, 14, 15), QRect(1, 0, 0, 1)},
        {"left of the parent", QRect(-510, 1260, 4950, 4755), QRect(-34, 84, 330, 317)},
        {"negative size", QRect(30, 45, -100, -1), QRect(2, 3, 0, 0)},
    };
    for (const RectCase& c : cases) {
        EXPECT_EQ(twipsRect(c.twips), c.pixels) << c.name;
        EXPECT_EQ(twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()), c.pixels)
            << c.name;
    }
}

TEST(TwipsTest, NeighboursPlacedSideBySideStayFlush)
{
    // Three controls 1000 twips wide in a row (66.7 pixels each): no gap, no overlap.
    int right = twipsRect(100, 0, 1000, 300).right();
    for (int left = 1100; left < 3100; left += 1000) {
        const QRect next = twipsRect(left, 0, 1000, 300);
        EXPECT_EQ(next.left(), right + 1) << left;
        right = next.right();
    }
}

TEST(TwipsTest, PixelSizesBecomeTwips)
{
    EXPECT_EQ(pixelsToTwips(QSize(725, 440)), QSize(10875, 6600));
}

} // namespace
