#include "ImageHelpers.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <gtest/gtest.h>

using namespace testimg;

namespace {

// A W x 2 picture whose columns are numbered: blue = base + column.
TvnEffectBmp Columns(int w, int base)
{
    QImage image(w, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(0, 0, base + x));
    return TvnEffectBmp(image);
}

std::vector<int> Row0(const TvnEffectBmp& bmp)
{
    std::vector<int> out;
    for (int x = 0; x < bmp.Width(); ++x)
        out.push_back(int(bmp.Row(0)[x] & 0xFF));
    return out;
}

TvnEffectBmp Morphed(TvnMorphKind kind, double k, int w = 6, int newBase = 100)
{
    TvnEffectBmp a = Columns(w, 0);
    a.Morph(Columns(w, newBase), kind, k);
    EXPECT_EQ(a.Image().copy(0, 0, w, 1), a.Image().copy(0, 1, w, 1)); // every row alike
    return a;
}

} // namespace

TEST(Morph, LeftSlideAtZeroStillReplacesOneColumn)
{
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkLeftSlide, 0)), (std::vector<int> { 105, 1, 2, 3, 4, 5 }));
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkLeftSlide, 0.5)), (std::vector<int> { 103, 104, 105, 3, 4, 5 }));
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkLeftSlide, 1)), (std::vector<int> { 101, 102, 103, 104, 105, 5 }));
}

TEST(Morph, RightSlideBringsTheNewLookInFromTheRight)
{
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkRightSlide, 0)), (std::vector<int> { 0, 1, 2, 3, 4, 100 }));
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkRightSlide, 0.5)), (std::vector<int> { 0, 1, 2, 100, 101, 102 }));
}

TEST(Morph, PushAtZeroShiftsByOneColumnAndShowsTheLastColumnOfTheNewLook)
{
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkPush, 0)), (std::vector<int> { 105, 0, 1, 2, 3, 4 }));
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkPush, 0.5)), (std::vector<int> { 102, 103, 104, 105, 0, 1 }));
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkPush, 1)), (std::vector<int> { 100, 101, 102, 103, 104, 105 }));
}

TEST(Morph, CrossFadeBlendsByTheFactor)
{
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkDefault, 0)), (std::vector<int> { 0, 1, 2, 3, 4, 5 }));
    // 0.75 a + 0.25 (a + 100) = a + 25.
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkDefault, 0.25)), (std::vector<int> { 25, 26, 27, 28, 29, 30 }));
    // (a + a + 101) / 2 = a + 50.5: halves go to the even neighbour.
    EXPECT_EQ(
        Row0(Morphed(TvnMorphKind::mkDefault, 0.5, 6, 101)), (std::vector<int> { 50, 52, 52, 54, 54, 56 }));
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkDefault, 3)), (std::vector<int> { 100, 101, 102, 103, 104, 105 }));
}

TEST(Morph, LeftGradientRisesFromTheNewLookToTheOld)
{
    // W = 6, k = 0.5: n = 3; weights of the old look 0, 1/3, 2/3, 1 on columns 0..3,
    // and the mirror image from the right edge.
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkLeftGradient, 0.5)), (std::vector<int> { 100, 68, 35, 3, 4, 5 }));
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkRightGradient, 0.5)), (std::vector<int> { 0, 1, 2, 36, 71, 105 }));
}

TEST(Morph, GradientFromTheCentreIsAllNewAtOne)
{
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkGradient, 1, 8)),
        (std::vector<int> { 100, 101, 102, 103, 104, 105, 106, 107 }));
    // k = 0.5 on 8 columns: n = 4, the band is columns 2..6; outside it the old look's
    // weight starts at 0 and rises by 1 / ((8 - 4) div 2) per column.
    EXPECT_EQ(Row0(Morphed(TvnMorphKind::mkGradient, 0.5, 8)),
        (std::vector<int> { 50, 101, 102, 103, 104, 105, 106, 107 }));
}

TEST(Morph, PicturesOfDifferentSizesAreLeftAlone)
{
    TvnEffectBmp a = Columns(6, 0);
    a.Morph(Columns(5, 100), TvnMorphKind::mkDefault, 0.5);
    EXPECT_EQ(Row0(a), (std::vector<int> { 0, 1, 2, 3, 4, 5 }));
}

TEST(Morph, OneColumnPicturesStayInside)
{
    // Every column count is held to the picture: with one column each kind but the
    // cross-fade shows the new look (the gradient runs down the two rows here).
    for (int kind = 0; kind <= 6; ++kind) {
        TvnEffectBmp a = Columns(1, 0);
        a.Morph(Columns(1, 100), static_cast<TvnMorphKind>(kind), 0.7);
        SCOPED_TRACE(kind);
        EXPECT_EQ(Row0(a), std::vector<int> { kind == 0 ? 70 : 100 });
    }
}
