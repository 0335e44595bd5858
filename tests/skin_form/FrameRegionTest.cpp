// The window's shape: the region of the skin's mask at the window's size, compared with
// a region Qt builds from a mask picture composed here pixel by pixel.
#include "FrameFixture.h"

#include <QBitmap>
#include <gtest/gtest.h>

using namespace frametest;

namespace {

// The source column (or row) of target position `t` along one edge of a picture `length`
// long grown by `grow`: before `from` it is the same, from `to` + grow on it keeps its
// distance to the far end, and in between the edge's pixels repeat from `from`.
int Source(int t, int from, int to, int grow)
{
    if (t < from) return t;
    if (t >= to + grow) return t - grow;
    return from + (t - from) % (to - from);
}

// The mask as the window sees it at `size`: corners kept, edges tiled, the area inside
// the mask's own client rectangle always part of the window.
QRegion ExpectedRegion(const TvnSkinData& skin, QSize size)
{
    const QImage& mask = skin.MainMask;
    const TvnCornerPoints& c = skin.Geometry.Corners;
    const int dx = size.width() - mask.width(), dy = size.height() - mask.height();
    const QRect inside(skin.MaskRectArea.topLeft(), skin.MaskRectArea.size() + QSize(dx, dy));
    QImage window(size, QImage::Format_RGB32);
    window.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (inside.contains(x, y)) {
                window.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            // Which strip of the frame the pixel lies in, and where that strip comes from.
            int sx, sy;
            if (y < inside.y()) {
                sx = Source(x, c.LeftTop.x(), c.RightTop.x(), dx);
                sy = y;
            } else if (y >= inside.y() + inside.height()) {
                sx = Source(x, c.LeftBottom.x(), c.RightBottom.x(), dx);
                sy = y - dy;
            } else if (x < inside.x()) {
                sx = x;
                sy = Source(y, c.LeftTop.y(), c.LeftBottom.y(), dy);
            } else {
                sx = x - dx;
                sy = Source(y, c.RightTop.y(), c.RightBottom.y(), dy);
            }
            if ((mask.pixel(sx, sy) & 0xFFFFFF) == 0) window.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return QRegion(QBitmap::fromImage(window.convertToFormat(QImage::Format_Mono)));
}

} // namespace

TEST(FrameRegion, TheWindowsShapeIsTheMaskAtEverySize)
{
    const TvnSkinData& skin = ProgramSkin();
    ASSERT_FALSE(skin.MainMask.isNull());
    FramedForm f(bsSizeable, &ProgramSkin());
    for (const QSize size :
        { QSize(215, 149), QSize(200, 60), QSize(300, 200), QSize(816, 379), QSize(1920, 1080) }) {
        f.Form->SetBounds(0, 0, size.width(), size.height());
        const QRegion expected = ExpectedRegion(skin, size);
        EXPECT_EQ(f.Form->mask(), expected) << size.width() << "x" << size.height();
        ASSERT_TRUE(f.Frame->FrameRegion().has_value());
        EXPECT_EQ(*f.Frame->FrameRegion(), expected);
        // The corners are cut; the middle of every edge belongs to the window.
        EXPECT_FALSE(f.Form->mask().contains(QPoint(0, 0)));
        EXPECT_FALSE(f.Form->mask().contains(QPoint(size.width() - 1, size.height() - 1)));
        EXPECT_TRUE(f.Form->mask().contains(QPoint(size.width() / 2, size.height() - 4)));
    }
}

TEST(FrameRegion, AWindowBelowTheSmallestFrameKeepsItsLastShape)
{
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 300, 200);
    const QRegion shape = f.Form->mask();
    f.Form->SetBounds(0, 0, 150, 20);
    EXPECT_EQ(f.Form->mask(), shape);
}
