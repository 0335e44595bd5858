// Composition with geometry at the ends of int: pieces far larger than their images and
// positions whose sums overflow 32 bits draw only what lies inside the images, in time
// proportional to the image.
#include "ImageHelpers.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/TilePlacement.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vnutils;

namespace {
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();
} // namespace

TEST(HostileGeometry, ClippedTilePlacementKeepsThePhaseAndPlacesOnlyVisibleTiles)
{
    const std::vector<TvnTile> expected { { 20, 10 }, { 30, 10 } };
    EXPECT_EQ(TilePlacement(0, 1000, 10, 25, 35), expected);
    // Two billion one-pixel tiles, of which ten can be seen.
    const std::vector<TvnTile> visible = TilePlacement(-5, kMax, 1, 0, 10);
    ASSERT_EQ(visible.size(), 11u);
    EXPECT_EQ(visible.front(), (TvnTile { 0, 1 }));
    EXPECT_EQ(visible.back(), (TvnTile { 10, 1 }));
    EXPECT_TRUE(TilePlacement(0, kMax, 1, kMax, kMax).size() <= 1);
    EXPECT_TRUE(TilePlacement(kMin, kMax, 1, 0, 0).size() <= 1);
}

TEST(HostileGeometry, HugePiecesFillOnlyTheirImage)
{
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(qRgb(10, 20, 30));
    QImage target(16, 12, QImage::Format_RGB32);
    target.fill(Qt::black);
    TilePart(target, QRect(0, 0, kMax, kMax), source, QRect(0, 0, 1, 1), Qt::Horizontal | Qt::Vertical);
    EXPECT_EQ(target.pixel(15, 11), qRgb(10, 20, 30));

    target.fill(Qt::black);
    StretchPart(target, QRect(0, 0, kMax, kMax), source, source.rect());
    EXPECT_EQ(target.pixel(0, 0), qRgb(10, 20, 30));

    // Positions whose differences leave int copy nothing and read nothing outside.
    target.fill(Qt::black);
    CopyPart(target, QRect(kMax - 6, 0, 5, 5), source, QRect(kMin, 0, kMax, 2));
    CopyPart(target, QRect(kMin, kMin, kMax, kMax), source, QRect(kMax - 3, kMax - 3, 3, 3));
    TilePart(target, QRect(kMin, kMin, kMax, kMax), source, QRect(kMax - 3, 0, 3, 2), Qt::Horizontal);
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(HostileGeometry, NinePartsOfTheLargestSkinCoordinatesStayInsideTheirImages)
{
    QImage source(40, 30, QImage::Format_RGB32);
    source.fill(qRgb(5, 6, 7));
    TvnNinePart parts;
    parts.SkinRect = RectLTRB(0, 0, 32767, 32767);
    parts.Geometry.Corners.LeftTop = { 32767, 0 };
    parts.Geometry.Corners.RightTop = { 1, 32767 };
    parts.Geometry.Corners.LeftBottom = { 0, 32767 };
    parts.Geometry.Corners.RightBottom = { 32767, 1 };
    parts.Geometry.ClientRect = RectLTRB(32767, 0, 0, 32767);
    QImage target;
    ComposeNineParts(target, source, parts, StandardTarget(parts, QSize(64, 48)));
    EXPECT_EQ(target.size(), QSize(64, 48));
}
