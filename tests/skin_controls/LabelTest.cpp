// The skinned label: font and colour from the record, embossed disabled text, sizing
// to the text and shortening it.
#include "ControlSkin.h"
#include "platform/DrawText.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace ctltest;

namespace {

// Opaque pixels of exactly `color`: the cores of the glyph strokes.
int CountColor(const QImage& image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == (color | 0xFF000000u)) ++count;
    return count;
}

QFont RecordFont() { return TFont::MakeQFont("Arial", -15, fsBold); }

} // namespace

TEST(StdLabel, ColourComesFromTheRecordUnlessUseSkinColorIsOff)
{
    TestSkin skin;
    TvnSkinStdLabel label;
    label.SetCaption("Tipo Evento");
    label.Font()->SetColor(clr::clRed);
    label.SetSkinData(&skin.Store());
    const QRgb skinColor = ToQColor(kLabelColor).rgb();
    QImage look = Grab(&label);
    EXPECT_GT(CountColor(look, skinColor), 5);
    EXPECT_EQ(CountColor(look, qRgb(255, 0, 0)), 0);

    label.SetUseSkinColor(false);
    look = Grab(&label);
    EXPECT_EQ(CountColor(look, skinColor), 0);
    EXPECT_GT(CountColor(look, qRgb(255, 0, 0)), 5);
}

TEST(StdLabel, DisabledTextIsEmbossedInTheSkinsColours)
{
    TestSkin skin;
    TvnSkinStdLabel label;
    label.SetCaption("Nome");
    label.SetSkinData(&skin.Store());
    label.SetEnabled(false);
    const QImage look = Grab(&label);
    EXPECT_GT(CountColor(look, ToQColor(kSkinHighlight).rgb()), 3);
    EXPECT_GT(CountColor(look, ToQColor(kSkinShadow).rgb()), 3);
    EXPECT_EQ(CountColor(look, ToQColor(kLabelColor).rgb()), 0);

    // Without a skin: the system's highlight and shadow.
    TvnSkinStdLabel plain;
    plain.DefaultFont()->SetHeight(-20);
    plain.DefaultFont()->SetStyle(fsBold);
    plain.SetCaption("Nome");
    plain.SetEnabled(false);
    const QImage system = Grab(&plain);
    EXPECT_GT(CountColor(system, ToQColor(clr::clBtnShadow).rgb()), 3);
    EXPECT_GT(CountColor(system, ToQColor(clr::clBtnHighlight).rgb()), 3);
}

TEST(StdLabel, AutoSizeFollowsTheTextInTheSkinFont)
{
    TestSkin skin;
    TvnSkinStdLabel label;
    label.SetSkinData(&skin.Store());
    label.SetCaption("0");
    const int narrow = label.Width();
    label.SetCaption("(12)");
    EXPECT_GT(label.Width(), narrow);
    EXPECT_EQ(label.Width(), QFontMetrics(RecordFont()).horizontalAdvance("(12)"));
    EXPECT_EQ(label.Height(), QFontMetrics(RecordFont()).height());
    // An empty caption keeps one line of height.
    label.SetCaption("");
    EXPECT_EQ(label.Height(), QFontMetrics(RecordFont()).height());
}

TEST(StdLabel, EndEllipsisShortensTextThatDoesNotFit)
{
    const QString text = "Quantidade de Foto.: muito longa";
    const QFont font = TFont::MakeQFont("Arial", 14, {});
    const QString shortened = platform::EllipsizedText(font, text, 80, dt::DT_END_ELLIPSIS);
    EXPECT_TRUE(shortened.endsWith("..."));
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(shortened), 80);
    EXPECT_GT(shortened.size(), 3);
    EXPECT_EQ(platform::EllipsizedText(font, "0", 80, dt::DT_END_ELLIPSIS), "0");

    // The label draws exactly that shortened text.
    TvnSkinStdLabel label;
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 80, 20);
    label.SetCaption(text);
    label.SetEllipsType(vnetEndEllips);
    const QString drawnText
        = platform::EllipsizedText(label.DefaultFont()->ToQFont(), text, 80, dt::DT_END_ELLIPSIS);
    ASSERT_TRUE(drawnText.endsWith("..."));
    QImage expected(80, 20, QImage::Format_ARGB32);
    expected.fill(Qt::transparent);
    {
        QPainter painter(&expected);
        painter.setFont(label.DefaultFont()->ToQFont());
        painter.setPen(ToQColor(label.DefaultFont()->Color()));
        QRect r(0, 0, 80, 20);
        platform::DrawText(painter, drawnText, r, dt::DT_EXPANDTABS);
    }
    EXPECT_EQ(Grab(&label), expected);
}

TEST(StdLabel, DrawsACopyIntoAnotherCanvasAtAnOffset)
{
    TvnSkinStdLabel label;
    label.SetCaption("(7)");
    label.SetTransparent(false);
    label.SetColor(clr::clWhite);
    QImage own = Grab(&label).convertToFormat(QImage::Format_RGB32);
    QImage canvas(label.Width() + 30, label.Height() + 20, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        label.DrawTo(painter, QPoint(30, 20));
    }
    EXPECT_EQ(canvas.copy(30, 20, label.Width(), label.Height()), own);
    EXPECT_EQ(canvas.pixel(5, 5), qRgb(0, 0, 0));
}
