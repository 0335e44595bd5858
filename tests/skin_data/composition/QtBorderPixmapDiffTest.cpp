// Our nine-part composition beside Qt's own nine-slice drawing on the same sources: with
// the points at the client rectangle's corners the two cut a picture the same way, so
// tiling must give the same pixels and stretching the same pixels up to the scaling
// filter's choice of neighbour.
#include "ImageHelpers.h"
#include "RandomGeometry.h"
#include "skin/data/vnUtils/NinePart.h"

#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>
#include <qdrawutil.h>

using namespace vnutils;
using namespace testimg;

namespace {

struct Case {
    QRect skinRect;
    QMargins margins;
    QSize size;
};

Case RandomCase(std::mt19937& random, QSize picture)
{
    Case c;
    const int sw = Between(random, 3, 60), sh = Between(random, 3, 60);
    c.skinRect
        = QRect(Between(random, 0, picture.width() - sw), Between(random, 0, picture.height() - sh), sw, sh);
    const int l = Between(random, 1, sw - 2), r = Between(random, 1, sw - 1 - l);
    const int t = Between(random, 1, sh - 2), b = Between(random, 1, sh - 1 - t);
    c.margins = QMargins(l, t, r, b);
    c.size = QSize(Between(random, l + r + 1, 300), Between(random, t + b + 1, 300));
    return c;
}

TvnNinePart PartsFor(const Case& c, bool stretch)
{
    TvnNinePart p;
    p.SkinRect = c.skinRect;
    const int l = c.margins.left(), t = c.margins.top();
    const int r = c.skinRect.width() - c.margins.right(), b = c.skinRect.height() - c.margins.bottom();
    p.Geometry.ClientRect = RectLTRB(l, t, r, b);
    p.Geometry.Corners.LeftTop = { l, t };
    p.Geometry.Corners.RightTop = { r, t };
    p.Geometry.Corners.LeftBottom = { l, b };
    p.Geometry.Corners.RightBottom = { r, b };
    p.Geometry.LeftStretch = p.Geometry.TopStretch = p.Geometry.RightStretch = p.Geometry.BottomStretch
        = p.Geometry.StretchEffect = stretch;
    p.Geometry.StretchType = TvnStretchType::Full;
    return p;
}

QImage Ours(const QImage& picture, const Case& c, bool stretch)
{
    const TvnNinePart parts = PartsFor(c, stretch);
    QImage target(c.size, QImage::Format_RGB32);
    target.fill(Qt::black);
    ComposeNineParts(target, picture, parts, StandardTarget(parts, c.size));
    return target;
}

QImage Qts(const QImage& picture, const Case& c, Qt::TileRule rule)
{
    QImage target(c.size, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    qDrawBorderPixmap(&painter, QRect(QPoint(0, 0), c.size), c.margins, QPixmap::fromImage(picture),
        c.skinRect, c.margins, QTileRules(rule, rule));
    return target;
}

} // namespace

TEST(QtBorderPixmapDiff, TiledEdgesAndMiddleGiveTheSamePixelsAsRepeatTiles)
{
    std::mt19937 random(2024);
    const QImage picture = NoisePicture(120, 100, random);
    for (int trial = 0; trial < 150; ++trial) {
        const Case c = RandomCase(random, picture.size());
        SCOPED_TRACE(testing::Message()
            << "trial " << trial << " skin " << c.skinRect.x() << "," << c.skinRect.y() << " "
            << c.skinRect.width() << "x" << c.skinRect.height() << " to " << c.size.width() << "x"
            << c.size.height());
        ASSERT_EQ(Ours(picture, c, false), Qts(picture, c, Qt::RepeatTile));
    }
}

TEST(QtBorderPixmapDiff, StretchedEdgesAndMiddleSampleWithinOneSourcePixelOfStretchTiles)
{
    // Each pixel of a coordinate picture names its own position, so comparing the two
    // results compares which source pixel each target pixel was taken from.
    std::mt19937 random(7);
    const QImage picture = CoordinatePicture(200, 160);
    int differing = 0;
    for (int trial = 0; trial < 150; ++trial) {
        const Case c = RandomCase(random, picture.size());
        SCOPED_TRACE(trial);
        const QImage ours = Ours(picture, c, true);
        const QImage qts = Qts(picture, c, Qt::StretchTile);
        for (int y = 0; y < c.size.height(); ++y)
            for (int x = 0; x < c.size.width(); ++x) {
                const QRgb a = ours.pixel(x, y), b = qts.pixel(x, y);
                ASSERT_EQ(qBlue(a), Hash(qRed(a), qGreen(a))) << "not a source pixel at " << x << "," << y;
                ASSERT_LE(std::abs(qRed(a) - qRed(b)), 1) << x << "," << y;
                ASSERT_LE(std::abs(qGreen(a) - qGreen(b)), 1) << x << "," << y;
                differing += a != b;
            }
    }
    // The two filters may choose the other neighbour now and then, not as a rule.
    EXPECT_LT(differing, 150 * 300 * 300 / 50);
}
