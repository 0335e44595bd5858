#include "skin/data/vnUtils/MaskRegion.h"

#include "ImageHelpers.h"
#include "RandomGeometry.h"

#include <QBitmap>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace vnutils;
using namespace testimg;

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

std::uint32_t Field(const QByteArray& bytes, int index)
{
    return qFromLittleEndian<quint32>(bytes.constData() + 4 * index);
}

// Qt's own region of a bitmap's set pixels: the reference for ours.
QRegion QtRegion(const QImage& mask)
{
    return QRegion(QBitmap::fromImage(mask, Qt::ThresholdDither | Qt::MonoOnly));
}

// Regions equal as areas (QRegion's own == compares how the rectangles are listed).
bool SameArea(const QRegion& a, const QRegion& b) { return a.xored(b).isEmpty(); }

QImage RandomMask(std::mt19937& random, int w, int h)
{
    QImage mask = Filled(w, h, kWhite);
    const int blobs = Between(random, 0, 12);
    for (int i = 0; i < blobs; ++i) {
        const QRect r(
            Between(random, -5, w), Between(random, -5, h), Between(random, 1, w), Between(random, 1, h));
        for (int y = std::max(0, r.y()); y < std::min(h, r.y() + r.height()); ++y)
            for (int x = std::max(0, r.x()); x < std::min(w, r.x() + r.width()); ++x)
                mask.setPixel(x, y, Between(random, 0, 9) ? kBlack : kWhite);
    }
    return mask;
}

} // namespace

TEST(MaskRegion, ThreeByOneMaskGivesTwoRunsAndTheHeader)
{
    QImage mask = Filled(3, 1, kBlack);
    mask.setPixel(1, 0, kWhite);
    const auto blocks = RegionDataFromMask(mask, 5, 7);
    ASSERT_EQ(blocks.size(), 1u);
    const std::vector<TvnRgnRect> expected { { 5, 7, 6, 8 }, { 7, 7, 8, 8 } };
    EXPECT_EQ(blocks[0].Rects, expected);
    EXPECT_EQ(blocks[0].Header.Bound, (TvnRgnRect { 5, 7, 8, 8 }));

    const QByteArray bytes = blocks[0].Bytes();
    ASSERT_EQ(bytes.size(), 32 + 2 * 16);
    const std::uint32_t fields[] = { 32, 1, 2, 0, 5, 7, 8, 8, 5, 7, 6, 8, 7, 7, 8, 8 };
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(Field(bytes, i), fields[i]) << "field " << i;
    EXPECT_EQ(RegionFromMask(mask, 5, 7), QRegion(5, 7, 1, 1) + QRegion(7, 7, 1, 1));
}

TEST(MaskRegion, AllWhiteGivesNoRectanglesAndAllBlackOnePerRow)
{
    const auto white = RegionDataFromMask(Filled(6, 4, kWhite));
    ASSERT_EQ(white.size(), 1u);
    EXPECT_EQ(white[0].Header.Count, 0u);
    EXPECT_EQ(white[0].Bytes().size(), 32);
    EXPECT_TRUE(RegionFromMask(Filled(6, 4, kWhite)).isEmpty());

    const auto black = RegionDataFromMask(Filled(6, 4, kBlack), -2, 3);
    ASSERT_EQ(black.size(), 1u);
    ASSERT_EQ(black[0].Header.Count, 4u);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(black[0].Rects[y], (TvnRgnRect { -2, 3 + y, 4, 4 + y }));
    // The rows join into one rectangle in the region.
    const QRegion region = RegionFromMask(Filled(6, 4, kBlack), -2, 3);
    EXPECT_EQ(region.rectCount(), 1);
    EXPECT_EQ(region.boundingRect(), QRect(-2, 3, 6, 4));
}

TEST(MaskRegion, AnEmptyMaskYieldsNoData)
{
    EXPECT_TRUE(RegionDataFromMask(QImage()).empty());
    EXPECT_TRUE(RegionFromMask(QImage()).isEmpty());
}

TEST(MaskRegion, NearlyBlackIsNotBlack)
{
    QImage mask = Filled(4, 1, kBlack);
    mask.setPixel(2, 0, qRgb(0, 1, 0));
    EXPECT_EQ(RegionFromMask(mask), QRegion(0, 0, 2, 1) + QRegion(3, 0, 1, 1));
}

TEST(MaskRegion, RandomMasksGiveTheRegionQtMakesOfTheSameBitmap)
{
    std::mt19937 random(99);
    for (int trial = 0; trial < 100; ++trial) {
        const QImage mask = RandomMask(random, Between(random, 1, 70), Between(random, 1, 50));
        SCOPED_TRACE(trial);
        const QRegion region = RegionFromMask(mask);
        EXPECT_TRUE(SameArea(region, QtRegion(mask)));
        EXPECT_TRUE(SameArea(RegionFromMask(mask, 9, -4), QtRegion(mask).translated(9, -4)));
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                ASSERT_EQ(region.contains(QPoint(x, y)), mask.pixel(x, y) == kBlack) << x << "," << y;
    }
}

TEST(MaskRegion, MoreThanTenThousandRunsAreSplitIntoBlocksAndStillMakeTheWholeRegion)
{
    // A checkerboard of 200 x 101 has 100 runs per row: 10,100 runs.
    QImage mask = Filled(200, 101, kWhite);
    for (int y = 0; y < 101; ++y)
        for (int x = (y % 2); x < 200; x += 2)
            mask.setPixel(x, y, kBlack);
    const auto blocks = RegionDataFromMask(mask);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].Header.Count, 10000u);
    EXPECT_EQ(blocks[1].Header.Count, 100u);
    EXPECT_TRUE(SameArea(RegionFromMask(mask), QtRegion(mask)));
}

TEST(MaskRegion, WindowRegionIsTheClientAreaAndTheBlackOfTheTiledMaskBorder)
{
    // A 12 x 12 mask: black everywhere but the four corner pixels.
    QImage mask = Filled(12, 12, kBlack);
    for (QPoint p : { QPoint(0, 0), QPoint(11, 0), QPoint(0, 11), QPoint(11, 11) })
        mask.setPixel(p, kWhite);
    TvnNinePart parts;
    parts.SkinRect = QRect(0, 0, 12, 12);
    parts.Geometry.ClientRect = RectLTRB(2, 2, 10, 10);
    parts.Geometry.Corners.LeftTop = { 2, 2 };
    parts.Geometry.Corners.RightTop = { 10, 2 };
    parts.Geometry.Corners.LeftBottom = { 2, 10 };
    parts.Geometry.Corners.RightBottom = { 10, 10 };
    parts.Geometry.TopStretch = true; // masks are tiled all the same

    const auto region = WindowRegionFromMask(mask, parts, StandardTarget(parts, { 30, 17 }));
    ASSERT_TRUE(region.has_value());
    QRegion expected(0, 0, 30, 17);
    for (QPoint p : { QPoint(0, 0), QPoint(29, 0), QPoint(0, 16), QPoint(29, 16) })
        expected -= QRegion(p.x(), p.y(), 1, 1);
    EXPECT_TRUE(SameArea(*region, expected));

    // Smaller than its corners, or nothing left of the client area: no region.
    EXPECT_FALSE(WindowRegionFromMask(mask, parts, StandardTarget(parts, { 3, 17 })).has_value());
    EXPECT_FALSE(WindowRegionFromMask(mask, parts, StandardTarget(parts, { 30, 4 })).has_value());
}
