#include "skin/data/vnUtils/GlyphLayout.h"

#include "ImageHelpers.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace vnutils;
using namespace vnbutton;

namespace {

// Client rectangle 100 x 40 at (10, 20): centre (60, 40). Glyph 16 x 12, text 30 x 10,
// spacing 4; with a centred pair h = (16 + 30 + 4) div 2 = 25, v = (12 + 10 + 4) div 2 = 13.
const QRect kR = RectLTRB(10, 20, 110, 60);
const QSize kGlyph(16, 12);
const QSize kText(30, 10);

TvnGlyphTextPlace Place(TvnButtonLayout layout, int margin, QSize glyph = kGlyph)
{
    return LayoutGlyphAndText(kR, layout, margin, 4, glyph, kText);
}

TvnGlyphTextPlace At(QPoint glyph, QPoint text) { return { glyph, text }; }

} // namespace

TEST(GlyphLayout, WithAMarginTheGlyphKeepsItsDistanceFromItsEdge)
{
    EXPECT_EQ(Place(blGlyphLeft, 3), At({ 13, 34 }, { 33, 35 }));
    EXPECT_EQ(Place(blGlyphRight, 3), At({ 91, 34 }, { 57, 35 }));
    EXPECT_EQ(Place(blGlyphTop, 3), At({ 52, 23 }, { 45, 39 }));
    EXPECT_EQ(Place(blGlyphBottom, 3), At({ 52, 45 }, { 45, 31 }));
}

TEST(GlyphLayout, MarginMinusOneCentresGlyphAndTextTogether)
{
    EXPECT_EQ(Place(blGlyphLeft, -1), At({ 35, 34 }, { 55, 35 }));
    EXPECT_EQ(Place(blGlyphRight, -1), At({ 69, 34 }, { 35, 35 }));
    EXPECT_EQ(Place(blGlyphTop, -1), At({ 52, 27 }, { 45, 43 }));
    EXPECT_EQ(Place(blGlyphBottom, -1), At({ 52, 41 }, { 45, 27 }));
}

TEST(GlyphLayout, WithoutAGlyphTheSpacingCountsAsZero)
{
    EXPECT_EQ(Place(blGlyphLeft, 3, { 0, 0 }).Text, QPoint(13, 35));
    EXPECT_EQ(Place(blGlyphLeft, -1, { 0, 0 }).Text, QPoint(45, 35)); // h = 30 div 2
    EXPECT_EQ(Place(blGlyphTop, 3, { 0, 0 }).Text, QPoint(45, 23));
}

TEST(GlyphLayout, HalvesTruncateTowardZero)
{
    // A reversed rectangle 15 wide the wrong way: width div 2 = -7, not -8.
    const TvnGlyphTextPlace p
        = LayoutGlyphAndText(RectLTRB(20, 0, 5, 10), blGlyphTop, -1, 0, { 4, 4 }, { 0, 0 });
    EXPECT_EQ(p.Glyph.x(), 20 - 7 - 2);
}

TEST(GlyphLayout, GlyphCellsAreCutFromTheStripWithTheTransparentColourCleared)
{
    QImage strip(12, 3, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 255));
    strip.setPixel(4, 0, qRgb(1, 2, 3)); // cell 2, column 0
    strip.setPixel(11, 1, qRgb(9, 9, 9)); // cell 3, column 3
    const QImage cell = GlyphCell(strip, 3, 2);
    ASSERT_EQ(cell.size(), QSize(4, 3));
    EXPECT_EQ(cell.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(qAlpha(cell.pixel(1, 0)), 0);
    EXPECT_EQ(GlyphCell(strip, 3, 3).pixel(3, 1), qRgb(9, 9, 9));
    EXPECT_TRUE(GlyphCell(strip, 3, 4).isNull());
    EXPECT_TRUE(GlyphCell(strip, 3, 0).isNull());
}

TEST(GlyphLayout, ColourMarkUnderTheGlyphAndPressedOffset)
{
    QImage canvas = testimg::Filled(40, 30, qRgb(255, 255, 255));
    TvnGlyphCaption item;
    item.ClientRect = QRect(0, 0, 40, 30);
    item.Glyph = QImage(6, 4, QImage::Format_ARGB32);
    item.Glyph.fill(qRgb(0, 0, 255));
    item.Pressed = true;
    item.ColorMark = true;
    item.MarkColor = QColor(255, 0, 0);
    {
        QPainter painter(&canvas);
        DrawGlyphAndCaption(painter, item);
    }
    // Centred glyph at (20 - 3, 15 - 2) = (17, 13), pressed: (18, 14); marks on rows
    // 14 + 4 - 2 .. 14 + 4, over the glyph's bottom two rows and just below it.
    EXPECT_EQ(canvas.pixel(18, 14), qRgb(0, 0, 255));
    for (int y : { 16, 17, 18 })
        for (int x = 18; x < 24; ++x)
            EXPECT_EQ(canvas.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
    EXPECT_EQ(canvas.pixel(17, 16), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(18, 19), qRgb(255, 255, 255));
}
