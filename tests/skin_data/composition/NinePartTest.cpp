#include "skin/data/vnUtils/NinePart.h"

#include "ImageHelpers.h"
#include "RandomGeometry.h"
#include "skin/data/vnUtils/PixelParts.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace vnutils;
using namespace testimg;

namespace {

// A 14 x 8 skin rectangle at (3, 2) of a coordinate picture, its top edge 10 pixels wide
// (columns 2..12), client rectangle (2, 3, 12, 6).
TvnNinePart SmallParts()
{
    TvnNinePart p;
    p.SkinRect = QRect(3, 2, 14, 8);
    p.Geometry.ClientRect = RectLTRB(2, 3, 12, 6);
    p.Geometry.Corners.LeftTop = { 2, 3 };
    p.Geometry.Corners.RightTop = { 12, 3 };
    p.Geometry.Corners.LeftBottom = { 2, 6 };
    p.Geometry.Corners.RightBottom = { 12, 6 };
    return p;
}

QImage Compose(const QImage& source, const TvnNinePart& parts, QSize size, bool drawMiddle = true)
{
    QImage target;
    ComposeNineParts(target, source, parts, StandardTarget(parts, size), drawMiddle);
    return target;
}

} // namespace

TEST(NinePart, ComposingToTheSkinRectanglesOwnSizeReproducesItExactly)
{
    std::mt19937 random(11);
    const QImage picture = NoisePicture(64, 64, random);
    for (int trial = 0; trial < 300; ++trial) {
        TvnNinePart parts = RandomNinePart(random, { Between(random, 0, 20), Between(random, 0, 20) });
        RandomFlags(random, parts);
        SCOPED_TRACE(trial);
        EXPECT_EQ(Compose(picture, parts, parts.SkinRect.size()), picture.copy(parts.SkinRect));
    }
}

TEST(NinePart, TiledTopEdgeRepeatsTheEdgeAndCutsTheLastTile)
{
    const QImage picture = CoordinatePicture(40, 20);
    const TvnNinePart parts = SmallParts();
    // Span 25 (target 29 wide): tiles at 2, 12, 22, the last cut to 5 columns; span 20:
    // two tiles and an empty one, so the right corner follows at once.
    for (int span : { 25, 20 }) {
        const QImage target = Compose(picture, parts, { 14 + span - 10, 8 });
        SCOPED_TRACE(span);
        for (int y = 0; y < 3; ++y) {
            for (int x = 2; x < 2 + span; ++x) {
                EXPECT_EQ(Red(target, x, y), 3 + 2 + (x - 2) % 10) << x;
                EXPECT_EQ(Green(target, x, y), 2 + y);
            }
            EXPECT_EQ(Red(target, 2 + span, y), 3 + 12); // right corner, 1:1
            EXPECT_EQ(Red(target, 3 + span, y), 3 + 13);
        }
    }
}

TEST(NinePart, StretchedEdgeSpreadsEverySourceColumnEvenly)
{
    const QImage picture = CoordinatePicture(40, 20);
    TvnNinePart parts = SmallParts();
    parts.Geometry.TopStretch = true;
    const QImage target = Compose(picture, parts, { 14 + 30, 8 }); // edge 10 -> 40 columns
    for (int x = 2; x < 42; ++x)
        EXPECT_EQ(Red(target, x, 0), 5 + (x - 2) / 4) << x;
    EXPECT_EQ(Red(target, 42, 0), 15);
}

TEST(NinePart, TiledMiddleStartsAtTheClientCornerAndIsCutAtItsEdges)
{
    const QImage picture = CoordinatePicture(40, 20);
    const TvnNinePart parts = SmallParts(); // client 10 x 3
    const QImage target = Compose(picture, parts, { 14 + 15, 8 + 4 }); // client 25 x 7
    for (int y = 3; y < 10; ++y)
        for (int x = 2; x < 27; ++x) {
            EXPECT_EQ(Red(target, x, y), 5 + (x - 2) % 10);
            EXPECT_EQ(Green(target, x, y), 5 + (y - 3) % 3);
        }
}

TEST(NinePart, StretchedMiddleFollowsItsStretchType)
{
    const QImage picture = CoordinatePicture(40, 20);
    TvnNinePart parts = SmallParts(); // client 10 x 3 at picture (5, 5)
    parts.Geometry.StretchEffect = true;
    const QSize size(14 + 15, 8 + 6); // client 25 x 9

    parts.Geometry.StretchType = TvnStretchType::Horz; // own width, stretched down, repeated across
    QImage target = Compose(picture, parts, size);
    for (int y = 3; y < 12; ++y)
        for (int x = 2; x < 27; ++x) {
            EXPECT_EQ(Red(target, x, y), 5 + (x - 2) % 10);
            EXPECT_EQ(Green(target, x, y), 5 + (y - 3) / 3);
        }

    parts.Geometry.StretchType = TvnStretchType::Vert; // own height, stretched across, repeated down
    target = Compose(picture, parts, { 14 + 10, 8 + 4 }); // client 20 x 7
    for (int y = 3; y < 10; ++y)
        for (int x = 2; x < 22; ++x) {
            EXPECT_EQ(Red(target, x, y), 5 + (x - 2) / 2);
            EXPECT_EQ(Green(target, x, y), 5 + (y - 3) % 3);
        }

    parts.Geometry.StretchType = TvnStretchType::Full;
    target = Compose(picture, parts, { 14 + 10, 8 + 6 }); // client 20 x 9
    for (int y = 3; y < 12; ++y)
        for (int x = 2; x < 22; ++x) {
            EXPECT_EQ(Red(target, x, y), 5 + (x - 2) / 2);
            EXPECT_EQ(Green(target, x, y), 5 + (y - 3) / 3);
        }
}

TEST(NinePart, WithoutDrawMiddleTheClientAreaKeepsWhatWasThere)
{
    const QImage picture = CoordinatePicture(40, 20);
    const TvnNinePart parts = SmallParts();
    QImage target(30, 12, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    ComposeNineParts(target, picture, parts, StandardTarget(parts, target.size()), false);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool middle = x >= 2 && x < 28 && y >= 3 && y < 10;
            EXPECT_EQ(target.pixel(x, y) == qRgb(1, 2, 3), middle) << x << "," << y;
        }
}

TEST(NinePart, DegenerateCornersOrAnEmptySourceOnlySizeTheTarget)
{
    const QImage picture = CoordinatePicture(40, 20);
    TvnNinePart parts = SmallParts();
    parts.Geometry.Corners.RightBottom.setX(parts.Geometry.Corners.LeftTop.x());
    QImage target = Compose(picture, parts, { 33, 17 });
    EXPECT_EQ(target.size(), QSize(33, 17));
    EXPECT_EQ(target, Filled(33, 17, qRgb(0, 0, 0)));

    target = Compose(QImage(), SmallParts(), { 21, 9 });
    EXPECT_EQ(target.size(), QSize(21, 9));
    EXPECT_EQ(target, Filled(21, 9, qRgb(0, 0, 0)));
}

TEST(NinePart, ZeroTileSizesAndSkinRectanglesOutsideThePictureDrawOnlyWhatExists)
{
    // A tiled top edge of width 0 would never finish; a skin rectangle reaching past the
    // picture must not read outside it. Whatever is drawn is a real picture pixel.
    const QImage picture = CoordinatePicture(12, 10);
    TvnNinePart parts = SmallParts();
    parts.SkinRect = QRect(-4, 3, 14, 8);
    parts.Geometry.Corners.RightTop.setX(parts.Geometry.Corners.LeftTop.x());
    const QImage target = Compose(picture, parts, { 60, 40 });
    ASSERT_EQ(target.size(), QSize(60, 40));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const QRgb p = target.pixel(x, y);
            if (p != qRgb(0, 0, 0)) {
                ASSERT_EQ(qBlue(p), Hash(qRed(p), qGreen(p))) << x << "," << y;
            }
        }
}

TEST(NinePart, StretchingASkinRectangleKeepsTheMarginsAndScalesTheRest)
{
    const QImage picture = CoordinatePicture(40, 30);
    const QRect sr(5, 4, 20, 16);
    const QRect cr = RectLTRB(4, 3, 15, 12); // margins: left 4, top 3, right 5, bottom 4
    QImage target(42, 36, QImage::Format_RGB32);
    StretchSkinRect(target, picture, sr, cr);
    EXPECT_EQ(target.copy(0, 0, 4, 3), picture.copy(5, 4, 4, 3));
    EXPECT_EQ(target.copy(37, 32, 5, 4), picture.copy(20, 16, 5, 4));
    EXPECT_EQ(target.copy(37, 0, 5, 3), picture.copy(20, 4, 5, 3));
    EXPECT_EQ(target.copy(0, 32, 4, 4), picture.copy(5, 16, 4, 4));
    // 11 x 9 client columns and rows become 33 x 29: every source column three times.
    for (int x = 4; x < 37; ++x)
        EXPECT_EQ(Red(target, x, 20), 9 + (x - 4) / 3) << x;
    for (int y = 3; y < 32; ++y) {
        EXPECT_GE(Green(target, 20, y), 7);
        EXPECT_LE(Green(target, 20, y), 15);
    }
}

TEST(NinePart, ControlsGrowingOneWayMoveOnlyThosePoints)
{
    TvnNinePart parts = SmallParts();
    const TvnNinePartTarget across = StandardTarget(parts, { 30, 20 }, TvnGrowth::Horizontal);
    EXPECT_EQ(across.Corners.RightTop, QPoint(28, 3));
    EXPECT_EQ(across.Corners.LeftBottom, QPoint(2, 6));
    EXPECT_EQ(across.ClientRect, RectLTRB(2, 3, 28, 6));
    const TvnNinePartTarget down = StandardTarget(parts, { 30, 20 }, TvnGrowth::Vertical);
    EXPECT_EQ(down.Corners.RightBottom, QPoint(12, 18));
    EXPECT_EQ(down.ClientRect, RectLTRB(2, 3, 12, 18));
}

TEST(NinePart, PaintingThePiecesOnAPainterGivesTheSameCopiesAndTiles)
{
    std::mt19937 random(3);
    const QImage picture = NoisePicture(64, 64, random);
    for (int trial = 0; trial < 60; ++trial) {
        TvnNinePart parts = RandomNinePart(random, { Between(random, 0, 20), Between(random, 0, 20) });
        const QSize size(parts.SkinRect.width() + Between(random, 0, 50),
            parts.SkinRect.height() + Between(random, 0, 50));
        const TvnPieces pieces = NinePartPieces(parts, StandardTarget(parts, size), true);
        QImage direct(size, QImage::Format_RGB32), painted(size, QImage::Format_RGB32);
        direct.fill(Qt::black);
        painted.fill(Qt::black);
        DrawPieces(direct, picture, pieces);
        {
            QPainter painter(&painted);
            DrawPieces(painter, picture, pieces);
        }
        SCOPED_TRACE(trial);
        EXPECT_EQ(direct, painted);
    }
}

TEST(NinePart, AnyTargetGeometryDrawsOnlyPixelsOfTheSkinRectangle)
{
    // Shrunk targets, points outside the target, crossed edges: whatever is drawn must
    // come from inside the skin rectangle, and nothing may be read or written elsewhere.
    std::mt19937 random(17);
    const QImage picture = CoordinatePicture(120, 120);
    for (int trial = 0; trial < 300; ++trial) {
        TvnNinePart parts = RandomNinePart(random, { Between(random, 0, 60), Between(random, 0, 60) }, 50);
        RandomFlags(random, parts);
        TvnNinePartTarget to;
        to.Size = QSize(Between(random, 1, 90), Between(random, 1, 90));
        auto point = [&] { return QPoint(Between(random, -20, 110), Between(random, -20, 110)); };
        to.Corners.LeftTop = point();
        to.Corners.RightTop = point();
        to.Corners.LeftBottom = point();
        to.Corners.RightBottom = point();
        to.ClientRect = RectLTRB(Between(random, -10, 60), Between(random, -10, 60),
            Between(random, -10, 100), Between(random, -10, 100));
        QImage target;
        ComposeNineParts(target, picture, parts, to);
        ASSERT_EQ(target.size(), to.Size);
        SCOPED_TRACE(trial);
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const QRgb p = target.pixel(x, y);
                if (p == qRgb(0, 0, 0)) continue;
                ASSERT_TRUE(parts.SkinRect.contains(qRed(p), qGreen(p))) << x << "," << y;
            }
    }
}

TEST(NinePart, TiledPiecesRepeatTheirSourceFromTheirOwnCornerWhereverTheyAreCut)
{
    // Each drawn pixel of a tiled piece is the source pixel at its offset from the
    // piece's corner, taken modulo the tile along a tiled axis; pieces reach past every
    // side of the target and of the picture, and everything else stays as it was.
    std::mt19937 random(11);
    const QImage picture = CoordinatePicture(90, 70);
    const QRgb untouched = qRgb(1, 2, 3);
    const Qt::Orientations kinds[] = { Qt::Horizontal, Qt::Vertical, Qt::Horizontal | Qt::Vertical };
    for (int trial = 0; trial < 400; ++trial) {
        const Qt::Orientations axes = kinds[trial % 3];
        const QSize size(Between(random, 1, 160), Between(random, 1, 160));
        const QRect to(Between(random, -60, 120), Between(random, -60, 120), Between(random, 1, 220),
            Between(random, 1, 220));
        const QRect from(
            Between(random, -5, 85), Between(random, -5, 65), Between(random, 1, 40), Between(random, 1, 40));
        QImage target = Filled(size.width(), size.height(), untouched);
        TilePart(target, to, picture, from, axes);
        SCOPED_TRACE(trial);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const int i = x - to.x(), j = y - to.y();
                const bool across = i >= 0 && i < to.width()
                    && ((axes & Qt::Horizontal) || i < std::min(from.width(), to.width()));
                const bool down = j >= 0 && j < to.height()
                    && ((axes & Qt::Vertical) || j < std::min(from.height(), to.height()));
                const QPoint s(from.x() + i % from.width(), from.y() + j % from.height());
                const QRgb expected
                    = across && down && picture.rect().contains(s) ? picture.pixel(s) : untouched;
                ASSERT_EQ(target.pixel(x, y), expected) << x << "," << y;
            }
    }
}
