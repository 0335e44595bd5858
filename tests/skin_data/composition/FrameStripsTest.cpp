#include "skin/data/vnUtils/FrameStrips.h"

#include "ImageHelpers.h"
#include "RandomGeometry.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace vnutils;
using namespace testimg;

namespace {

// The four strips drawn where the frame draws them, over a marker colour.
QImage Assemble(const TvnFrameStrips& s, QSize size)
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(qRgb(1, 2, 3));
    QPainter painter(&frame);
    const int top = s.Top.height(), bottom = s.Bottom.height();
    painter.drawImage(0, 0, s.Top);
    painter.drawImage(0, top, s.Left);
    painter.drawImage(size.width() - s.Right.width(), top, s.Right);
    painter.drawImage(0, size.height() - bottom, s.Bottom);
    return frame;
}

} // namespace

TEST(FrameStrips, TheFourStripsTogetherEqualTheComposedFrameOutsideTheClientArea)
{
    std::mt19937 random(5);
    const QImage picture = NoisePicture(80, 80, random);
    for (int trial = 0; trial < 200; ++trial) {
        TvnNinePart parts = RandomNinePart(random, { Between(random, 0, 30), Between(random, 0, 30) }, 48);
        RandomFlags(random, parts);
        const QSize size(parts.SkinRect.width() + Between(random, 0, 90),
            parts.SkinRect.height() + Between(random, 0, 90));
        const TvnNinePartTarget to = StandardTarget(parts, size);
        SCOPED_TRACE(trial);

        const TvnFrameStrips strips = BuildFrameStrips(picture, parts, to);
        ASSERT_EQ(strips.Top.size(), QSize(size.width(), to.ClientRect.y()));
        ASSERT_EQ(strips.Left.size(), QSize(to.ClientRect.x(), to.ClientRect.height()));
        QImage composed(size, QImage::Format_RGB32);
        composed.fill(qRgb(1, 2, 3));
        ComposeNineParts(composed, picture, parts, to, false);
        ASSERT_EQ(Assemble(strips, size), composed);
    }
}

TEST(FrameStrips, AStripWithoutSizeOrEdgeIsNotBuilt)
{
    const QImage picture = CoordinatePicture(30, 30);
    TvnNinePart parts;
    parts.SkinRect = QRect(0, 0, 20, 20);
    parts.Geometry.ClientRect = RectLTRB(0, 4, 16, 16); // no left border
    parts.Geometry.Corners.LeftTop = { 3, 4 };
    parts.Geometry.Corners.RightTop = { 3, 4 }; // no top edge span
    parts.Geometry.Corners.LeftBottom = { 2, 12 };
    parts.Geometry.Corners.RightBottom = { 14, 12 };
    const TvnFrameStrips strips = BuildFrameStrips(picture, parts, StandardTarget(parts, { 40, 30 }));
    EXPECT_TRUE(strips.Top.isNull());
    EXPECT_TRUE(strips.Left.isNull());
    EXPECT_EQ(strips.Bottom.size(), QSize(40, 4));
    EXPECT_EQ(strips.Right.size(), QSize(4, 22));
}

TEST(FrameStrips, MaskStripsAreTiledEvenWhereThePictureStretches)
{
    const QImage picture = CoordinatePicture(30, 30);
    TvnNinePart parts;
    parts.SkinRect = QRect(0, 0, 20, 20);
    parts.Geometry.ClientRect = RectLTRB(4, 4, 16, 16);
    parts.Geometry.Corners.LeftTop = { 5, 4 };
    parts.Geometry.Corners.RightTop = { 15, 4 };
    parts.Geometry.Corners.LeftBottom = { 4, 16 };
    parts.Geometry.Corners.RightBottom = { 16, 16 };
    parts.Geometry.TopStretch = true;
    const TvnFrameStrips strips = BuildMaskStrips(picture, parts, StandardTarget(parts, { 45, 20 }));
    for (int x = 5; x < 40; ++x)
        EXPECT_EQ(Red(strips.Top, x, 0), 5 + (x - 5) % 10) << x;
}
