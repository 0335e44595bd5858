#include "skin/data/vnUtils/ThreePartStrip.h"

#include "ImageHelpers.h"

#include <gtest/gtest.h>

using namespace vnutils;
using namespace testimg;

namespace {
const QRect kSkin(4, 3, 10, 6); // in a coordinate picture: columns 4..13, rows 3..8
}

TEST(ThreePartStrip, HorizontalKeepsBothEndsAndTilesTheMiddleFromItsLeft)
{
    const QImage picture = CoordinatePicture(30, 20);
    // Ends 2 and 3 wide, middle 5: 22 - 5 = 17 columns from x = 2, tiles at 2, 7, 12, 17.
    const QImage strip = HorizontalStrip(picture, kSkin, 2, 3, 22, false);
    ASSERT_EQ(strip.size(), QSize(22, 6));
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(strip.copy(0, y, 2, 1), picture.copy(4, 3 + y, 2, 1));
        for (int x = 2; x < 19; ++x)
            EXPECT_EQ(Red(strip, x, y), 6 + (x - 2) % 5) << x;
        EXPECT_EQ(strip.copy(19, y, 3, 1), picture.copy(11, 3 + y, 3, 1));
    }
}

TEST(ThreePartStrip, StretchedMiddleUsesEveryMiddleColumnEqually)
{
    const QImage picture = CoordinatePicture(30, 20);
    const QImage strip = HorizontalStrip(picture, kSkin, 2, 3, 30, true); // middle 5 -> 25
    for (int x = 2; x < 27; ++x)
        EXPECT_EQ(Red(strip, x, 0), 6 + (x - 2) / 5) << x;
    EXPECT_EQ(Red(strip, 27, 0), 11);
}

TEST(ThreePartStrip, LeftAnchoredStripHasNoRightEnd)
{
    const QImage picture = CoordinatePicture(30, 20);
    const QImage strip = LeftAnchoredStrip(picture, kSkin, 2, 21, false); // middle 8 from x = 2
    ASSERT_EQ(strip.size(), QSize(21, 6));
    for (int x = 2; x < 21; ++x)
        EXPECT_EQ(Red(strip, x, 2), 6 + (x - 2) % 8) << x;
}

TEST(ThreePartStrip, EndsWiderThanTheSkinStillLeaveAOnePixelMiddle)
{
    const QImage picture = CoordinatePicture(30, 20);
    const QImage strip = HorizontalStrip(picture, kSkin, 6, 5, 20, false); // 6 + 5 > 10
    for (int x = 6; x < 15; ++x)
        EXPECT_EQ(Red(strip, x, 0), 10) << x; // the column right after the left end
}

TEST(ThreePartStrip, VerticalStripIsTheHorizontalOneTurned)
{
    const QImage picture = CoordinatePicture(30, 20);
    const QImage turned = Transposed(picture);
    const QRect turnedSkin(kSkin.y(), kSkin.x(), kSkin.height(), kSkin.width());
    for (bool stretch : { false, true })
        for (int length : { 5, 10, 17, 33 }) {
            SCOPED_TRACE(length);
            EXPECT_EQ(VerticalStrip(turned, turnedSkin, 2, 3, length, stretch),
                Transposed(HorizontalStrip(picture, kSkin, 2, 3, length, stretch)));
        }
}

TEST(ThreePartStrip, NoStripForANonPositiveSize)
{
    const QImage picture = CoordinatePicture(30, 20);
    EXPECT_TRUE(HorizontalStrip(picture, kSkin, 2, 3, 0, true).isNull());
    EXPECT_TRUE(VerticalStrip(picture, kSkin, 2, 3, -4, false).isNull());
    EXPECT_TRUE(HorizontalStrip(QImage(), kSkin, 2, 3, 40, false).isNull());
}
