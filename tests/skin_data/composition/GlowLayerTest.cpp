// The glow layer on a desktop without layered windows (the off-screen platform the unit
// tests run on), and the picture it would show.
#include "ImageHelpers.h"
#include "platform/LayeredWindows.h"
#include "skin/data/vnUtils/LayerWindow.h"

#include <gtest/gtest.h>

using namespace testimg;

TEST(GlowLayer, AlphaIsTheTruncatedAverageOfTheMaskPixel)
{
    QImage picture = Filled(3, 2, qRgb(200, 100, 50));
    QImage mask = Filled(2, 2, qRgb(255, 255, 255)); // one column short of the picture
    mask.setPixel(0, 0, qRgb(10, 20, 31)); // 61 / 3 -> 20
    mask.setPixel(1, 1, qRgb(0, 0, 0));
    const TvnBitmap bitmap = TvnBitmap::FromPictureAndMask(picture, mask);
    ASSERT_EQ(bitmap.Size(), QSize(3, 2));
    const QImage& image = bitmap.Image();
    EXPECT_EQ(image.pixel(0, 0), qRgba(200, 100, 50, 20));
    EXPECT_EQ(image.pixel(1, 0), qRgba(200, 100, 50, 255));
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(2, 0)), 0); // not covered by the mask
}

TEST(GlowLayer, TheConstantAlphaScalesThePicturesOwn)
{
    const TvnBitmap bitmap
        = TvnBitmap::FromPictureAndMask(Filled(1, 1, qRgb(200, 100, 50)), Filled(1, 1, qRgb(255, 255, 255)));
    const TvnLayerWindow window(bitmap, 100, true);
    EXPECT_EQ(qAlpha(window.Shown().pixel(0, 0)), 100);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window.size(), QSize(1, 1));
}

TEST(GlowLayer, WithoutLayeredWindowsShowAndHideDoNothing)
{
    ASSERT_FALSE(platform::LayeredWindowsAvailable());
    TvnLayerManager manager;
    EXPECT_TRUE(manager.Topmost());
    manager.Show(10, 10, 255, Filled(4, 4, qRgb(255, 255, 255)), Filled(4, 4, qRgb(1, 2, 3)));
    EXPECT_EQ(manager.LayerWindow(), nullptr);
    manager.Hide();
    EXPECT_EQ(manager.LayerWindow(), nullptr);
}
