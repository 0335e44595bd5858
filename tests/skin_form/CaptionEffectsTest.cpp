// The caption text's effects as the caption draws them: where the glow, the soft glow
// and the reflection fall around the text, which one wins, and which the inactive frame
// keeps.
#include "FrameFixture.h"
#include "framework/Font.h"
#include "platform/Colors.h"
#include "skin/data/vnUtils/TextRoutines.h"
#include "skin/form/Veneerform/FrameObjectPaint.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

constexpr QRgb kBackground = 0xFF203040;
const QString kText = QStringLiteral("Quira");

// A caption of its own: text rectangle (10, 0, 190, 30) in a 200 x 60 object, plain
// black text on the background, no light and no shadow.
struct Caption {
    Caption()
        : Record(QStringLiteral("caption"))
    {
        Record.SkinRect = QRect(0, 0, 200, 60);
        Record.TextRect = QRect(10, 0, 180, 30);
        Record.FontName = QStringLiteral("Arial");
        Record.FontHeight = 13;
        Record.FontColor = Record.ActiveFontColor = 0;
        Record.GlowColor = Record.GlowActiveColor = 0x0000FF00; // green
        Record.ReflectionColor = Record.ReflectionActiveColor = 0x00FFFFFF;
    }
    QImage Paint(bool active, const QString& text = kText) const
    {
        QImage image(200, 60, QImage::Format_RGB32);
        image.fill(kBackground);
        QPainter painter(&image);
        TvnObjectRecord record;
        record.Object = &Record;
        record.Caption = &Record;
        TvnObjectPaintContext context;
        context.Skin = &ProgramSkin();
        context.Active = active;
        context.Caption = text;
        DrawCaptionText(painter, record, ProgramSkin(), Record.SkinRect, context);
        return image;
    }
    // The text's line: where the caption puts it (top) and its height.
    int TextTop() const { return 15 - TextHeightNow() / 2; }
    int TextHeightNow() const
    {
        const QFontMetrics metrics(TFont::MakeQFont(Record.FontName, Record.FontHeight, Record.FontStyle));
        return vnutils::TextHeight(metrics, kText);
    }
    TvnDataSkinCaption Record;
};

// The bounding box of the pixels that differ between two pictures.
QRect Changed(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(CaptionEffects, GlowSurroundsTheTextByItsSizeAtItsOffset)
{
    Caption c;
    const QImage plain = c.Paint(true);
    const QRect ink = Changed(c.Paint(true, QString()), plain);
    ASSERT_FALSE(ink.isEmpty());

    c.Record.GlowEffect = true;
    c.Record.GlowSize = 3;
    const QImage glowing = c.Paint(true);
    const QRect glow = Changed(plain, glowing);
    // Only the glow colour is added: no pixel gets redder or bluer.
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            EXPECT_LE(qRed(glowing.pixel(x, y)), qRed(plain.pixel(x, y)));
            EXPECT_GE(qGreen(glowing.pixel(x, y)), qGreen(plain.pixel(x, y)));
        }
    EXPECT_TRUE(ink.adjusted(-3, -3, 3, 3).contains(glow)) << "glow beyond its size";
    EXPECT_TRUE(glow.contains(ink.adjusted(-2, -2, 2, 2))) << "glow short of its size";

    // An offset moves the glow, not the text.
    c.Record.GlowSize = 1;
    c.Record.GlowOffset = 3;
    const QRect moved = Changed(plain, c.Paint(true));
    EXPECT_GT(moved.left(), ink.left());
    EXPECT_GE(moved.right(), ink.right() + 3);
    EXPECT_GE(moved.bottom(), ink.bottom() + 3);

    // The inactive frame glows only with glowinactiveeffect, in glowcolor.
    c.Record.GlowOffset = 0;
    EXPECT_EQ(c.Paint(false), plain);
    c.Record.GlowInactiveEffect = true;
    c.Record.GlowColor = 0x000000FF; // red
    const QImage inactive = c.Paint(false);
    EXPECT_FALSE(Changed(plain, inactive).isEmpty());
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            EXPECT_LE(qGreen(inactive.pixel(x, y)), qGreen(plain.pixel(x, y)));
}

TEST(CaptionEffects, SoftGlowIsWiderThanTheGlowAndWinsOverIt)
{
    Caption c;
    const QImage plain = c.Paint(true);
    const QRect ink = Changed(c.Paint(true, QString()), plain);
    c.Record.GlowEffect = true;
    c.Record.GlowSize = 1;
    const QImage glow = c.Paint(true);
    c.Record.VistaGlowEffect = true;
    const QImage soft = c.Paint(true);
    EXPECT_NE(soft, glow);
    const QRect box = Changed(plain, soft);
    // Grown by 3 and averaged over 3 more: at most 6 out, and well past the glow's 1.
    EXPECT_TRUE(ink.adjusted(-6, -6, 6, 6).contains(box));
    EXPECT_TRUE(box.contains(ink.adjusted(-4, -4, 4, 4)));
    // Inactive without vistaglowinactiveeffect: the glow (which has no inactive flag
    // here) does not stand in either.
    EXPECT_EQ(c.Paint(false), plain);
    c.Record.VistaGlowInactiveEffect = true;
    EXPECT_EQ(Changed(plain, c.Paint(false)), box);
}

TEST(CaptionEffects, ReflectionLiesUpsideDownBelowTheTextAndWinsOverTheGlows)
{
    Caption c;
    const QImage plain = c.Paint(true);
    const QRect ink = Changed(c.Paint(true, QString()), plain);
    c.Record.GlowEffect = c.Record.VistaGlowEffect = true;
    c.Record.ReflectionEffect = true;
    c.Record.ReflectionOffset = 2;
    const QImage reflected = c.Paint(true);
    const QRect box = Changed(plain, reflected);
    ASSERT_FALSE(box.isEmpty());
    // Nothing around the text (no glow): all of it below the text's line and the offset.
    const int below = c.TextTop() + c.TextHeightNow() + 2;
    EXPECT_GE(box.top(), below);
    EXPECT_LT(box.bottom(), below + c.TextHeightNow());
    EXPECT_EQ(box.left(), ink.left());
    EXPECT_EQ(box.right(), ink.right());
    // Upside down: the text's top row (its highest ink) is the reflection's lowest.
    EXPECT_EQ(box.bottom() - below, (c.TextTop() + c.TextHeightNow() - 1) - ink.top());
    // Fading: the reflection is weakest at its far end.
    const auto strength = [&](int y) {
        int sum = 0;
        for (int x = 0; x < 200; ++x)
            sum += qBlue(reflected.pixel(x, y)) - qBlue(plain.pixel(x, y));
        return sum;
    };
    EXPECT_GT(strength(box.top() + 1) + strength(box.top() + 2), 0);
    // The inactive frame reflects too, in reflactioncolor (black here: only darker).
    c.Record.ReflectionColor = 0x00000000;
    const QImage inactive = c.Paint(false);
    EXPECT_GE(Changed(plain, inactive).top(), below);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            EXPECT_LE(qBlue(inactive.pixel(x, y)), qBlue(plain.pixel(x, y)));
}
