// What the frame draws: the default frame's rings, grooves and buttons, the skinned
// frame from its pictures (active and inactive), the client background and the logo.
#include "FrameFixture.h"
#include "platform/Colors.h"
#include "skin/form/Veneerform/ClientInActivePanel.h"

#include <QPainter>
#include <QTest>
#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>

using namespace frametest;

namespace {

QRgb Sys(TColor color) { return ToQColor(color).rgb(); }

// The inactive look of the studio skin: every channel darkened by 0.3, rounded half to
// even.
QRgb Darkened(QRgb c)
{
    const auto d = [](int v) { return static_cast<int>(std::nearbyint(v * 0.7)); };
    return qRgb(d(qRed(c)), d(qGreen(c)), d(qBlue(c)));
}

QImage EraseBackground(TForm& form)
{
    QImage image(form.ClientWidget()->size(), QImage::Format_RGB32);
    image.fill(0xFF123456);
    QPainter painter(&image);
    form.Perform(msg::WM_ERASEBKGND, reinterpret_cast<WPARAM>(&painter), 0);
    return image;
}

} // namespace

TEST(DefaultFramePaint, ThreeRingsAGroovedCaptionAndTheEnabledButtons)
{
    FramedForm f;
    f.Frame->SetBorderIcons(veneer::biMinimize);
    f.Form->SetBounds(0, 0, 300, 200);
    const QImage frame = FramePaint(*f.Form);
    EXPECT_EQ(frame.pixel(0, 0), Sys(clr::cl3DLight));
    EXPECT_EQ(frame.pixel(299, 199), Sys(clr::cl3DDkShadow));
    EXPECT_EQ(frame.pixel(1, 100), Sys(clr::clBtnHighlight));
    EXPECT_EQ(frame.pixel(298, 100), Sys(clr::clBtnShadow));
    EXPECT_EQ(frame.pixel(2, 100), Sys(clr::clBtnFace));
    EXPECT_EQ(frame.pixel(150, 3 + 19 - 1), Sys(clr::clBtnFace));
    // The client area is left alone.
    EXPECT_EQ(frame.pixel(3, 22), 0xFF123456);
    EXPECT_EQ(frame.pixel(296, 196), 0xFF123456);

    // Close at the right, minimize beside it: a cross and a bar in the button text colour.
    const QRect close(280, 4, 17, 17), minimize(263, 4, 17, 17);
    const int a = 17 / 2 - 5, b = 17 / 2 - 4;
    EXPECT_EQ(frame.pixel(close.x(), close.y()), Sys(clr::clBtnFace));
    EXPECT_EQ(frame.pixel(close.x() + a + 1, close.y() + b + 1), Sys(clr::clBtnText));
    EXPECT_EQ(frame.pixel(close.x() + a + 5, close.y() + b + 5), Sys(clr::clBtnText));
    EXPECT_EQ(frame.pixel(minimize.x() + a + 4, minimize.y() + b + 9), Sys(clr::clBtnText));
    EXPECT_EQ(frame.pixel(minimize.x() + a + 4, minimize.y() + b + 5), Sys(clr::clBtnFace));

    // Grooves run across the caption text area, lighter line first.
    EXPECT_EQ(frame.pixel(5, 5), Sys(clr::clBtnHighlight));
    EXPECT_EQ(frame.pixel(5, 6), Sys(clr::clBtnShadow));
    EXPECT_EQ(frame.pixel(259, 5 + 13), Sys(clr::clBtnShadow));
    EXPECT_EQ(frame.pixel(260, 5), Sys(clr::clBtnFace));
}

TEST(DefaultFramePaint, TheCaptionTextCutsTheGroovesInTheMiddle)
{
    FramedForm f;
    f.Form->SetBounds(0, 0, 300, 200);
    f.Form->SetCaption("Quira");
    const QImage frame = FramePaint(*f.Form);
    // The system-menu button opens the caption; the grooves start after it.
    EXPECT_EQ(frame.pixel(5, 5), Sys(clr::clBtnFace));
    EXPECT_EQ(frame.pixel(22, 5), Sys(clr::clBtnHighlight));
    int cut = 0;
    for (int x = 22; x < 200; ++x)
        if (frame.pixel(x, 5) != Sys(clr::clBtnHighlight)) ++cut;
    EXPECT_GT(cut, 20) << "the text and its margin interrupt the lines";
}

TEST(DefaultFramePaint, CaptionPaintEventDrawsInsteadOfTheText)
{
    FramedForm f;
    f.Frame->SetBorderIcons(veneer::biMinimize);
    f.Form->SetBounds(0, 0, 300, 200);
    f.Form->SetCaption("Quira");
    QRect seen;
    bool seenActive = true;
    f.Frame->OnCaptionPaint = [&](QObject*, QPainter* p, QRect r, bool active) {
        seen = r;
        seenActive = active;
        p->fillRect(r, Qt::red);
    };
    f.Form->Perform(msg::WM_NCACTIVATE, 0, 0);
    const QImage frame = FramePaint(*f.Form);
    EXPECT_EQ(seen, QRect(0, 0, 260, 19));
    EXPECT_FALSE(seenActive);
    EXPECT_EQ(frame.pixel(100, 10), qRgb(255, 0, 0));
}

TEST(SkinnedFramePaint, BordersComeFromTheFramePictureAndDarkenWhenInactive)
{
    const TvnSkinData& skin = ProgramSkin();
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Frame->SetBorderIcons(veneer::biMinimize);
    f.Form->SetBounds(0, 0, 300, 200);
    f.Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    const QImage active = FramePaint(*f.Form);
    // Left border: the corner rows as they are, then the left edge repeated.
    EXPECT_EQ(active.pixel(2, 10), skin.MainPicture.pixel(2, 10));
    EXPECT_EQ(active.pixel(2, 100), skin.MainPicture.pixel(2, 24 + (100 - 24) % (137 - 24)));
    // Bottom-right corner follows the frame's corner.
    EXPECT_EQ(active.pixel(297, 197), skin.MainPicture.pixel(212, 146));
    // The client area stays untouched.
    EXPECT_EQ(active.pixel(8, 24), 0xFF123456);
    EXPECT_EQ(active.pixel(291, 195), 0xFF123456);
    // The close button shows its own picture at the end of the caption.
    const QImage& buttons = skin.Pictures.at(0);
    const QPoint close(204 + 85 - 18, 3);
    EXPECT_EQ(active.pixel(close + QPoint(9, 9)), buttons.pixel(9, 9));

    f.Form->Perform(msg::WM_NCACTIVATE, 0, 0);
    const QImage inactive = FramePaint(*f.Form);
    EXPECT_EQ(inactive.pixel(2, 100), Darkened(active.pixel(2, 100)));
    EXPECT_EQ(inactive.pixel(297, 197), Darkened(active.pixel(297, 197)));
    EXPECT_EQ(inactive.pixel(close + QPoint(9, 9)), Darkened(buttons.pixel(54 + 9, 9)));
}

TEST(SkinnedFramePaint, TheCaptionTextIsDrawnInTheCaptionsActiveColour)
{
    const auto& skin = ProgramSkin();
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 400, 200);
    const QImage empty = FramePaint(*f.Form);
    f.Form->SetCaption("Quira Quira");
    f.Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    const QImage titled = FramePaint(*f.Form);
    const auto* caption
        = dynamic_cast<const TvnDataSkinCaption*>(skin.FrameObject(skin.FindFrameObject("caption")));
    ASSERT_NE(caption, nullptr);
    int textPixels = 0;
    for (int y = 3; y < 21; ++y)
        for (int x = 10; x < 150; ++x)
            if (titled.pixel(x, y) == ToQColor(caption->ActiveFontColor).rgb()) ++textPixels;
    EXPECT_GT(textPixels, 20);
    EXPECT_NE(titled, empty);
}

TEST(ClientBackground, DefaultFaceSkinTilesAndTheLogoCentredNeverAboveTheCorner)
{
    FramedForm plain;
    plain.Form->SetBounds(0, 0, 200, 150);
    EXPECT_EQ(EraseBackground(*plain.Form).pixel(50, 50), Sys(clr::clBtnFace));

    const TvnSkinData& skin = ProgramSkin();
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 500, 400);
    const QImage tiled = EraseBackground(*f.Form);
    const QRect tile = skin.Geometry.ClientRect;
    for (const QPoint p : { QPoint(0, 0), QPoint(250, 10), QPoint(483, 371) })
        EXPECT_EQ(tiled.pixel(p),
            skin.MainPicture.pixel(tile.x() + p.x() % tile.width(), tile.y() + p.y() % tile.height()))
            << p.x() << "," << p.y();

    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    f.Frame->SetLogoBitMap(logo);
    const QImage withLogo = EraseBackground(*f.Form);
    const QSize client = f.Form->ClientWidget()->size();
    const QPoint at(client.width() / 2 - 20, client.height() / 2 - 10);
    EXPECT_EQ(withLogo.pixel(at), qRgb(255, 0, 0));
    EXPECT_NE(withLogo.pixel(at - QPoint(1, 1)), qRgb(255, 0, 0));

    QImage big(1000, 1000, QImage::Format_RGB32);
    big.fill(Qt::blue);
    f.Frame->SetLogoBitMap(big);
    EXPECT_EQ(EraseBackground(*f.Form).pixel(0, 0), qRgb(0, 0, 255));
}

TEST(InActivePanel, CoversTheClientWhileInactiveAndGoesOnActivation)
{
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Frame->setProperty("ClientInActiveEffect", true);
    f.Form->SetBounds(0, 0, 300, 200);
    f.Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Form.get()));
    f.Form->Perform(msg::WM_NCACTIVATE, 0, 0);
    veneer::TvnClientInActivePanel* panel = f.Frame->InActivePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(QPoint(0, 0), f.Form->ClientWidget()->size()));
    EXPECT_EQ(panel->Buffer().size(), f.Form->ClientWidget()->size());
    f.Form->Perform(msg::WM_NCACTIVATE, 1, 0);
    EXPECT_EQ(f.Frame->InActivePanel(), nullptr);

    // Without the effect nothing covers the client.
    f.Frame->setProperty("ClientInActiveEffect", false);
    f.Form->Perform(msg::WM_NCACTIVATE, 0, 0);
    EXPECT_EQ(f.Frame->InActivePanel(), nullptr);
}

TEST(InActivePanel, BlurSpreadsAPixelOverItsSquareAndTheVeilBlends)
{
    QImage dot(15, 15, QImage::Format_RGB32);
    dot.fill(Qt::black);
    dot.setPixel(7, 7, qRgb(245, 245, 245));
    const QImage blurred = veneer::TvnClientInActivePanel::Blurred(dot, 3);
    EXPECT_EQ(blurred.pixel(7, 7), qRgb(5, 5, 5));
    EXPECT_EQ(blurred.pixel(4, 10), qRgb(5, 5, 5));
    EXPECT_EQ(blurred.pixel(3, 7), qRgb(0, 0, 0));

    QImage white(4, 4, QImage::Format_RGB32), black(4, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    black.fill(Qt::black);
    const QRgb veiled = veneer::TvnClientInActivePanel::Veiled(white, black, 170).pixel(1, 1);
    EXPECT_NEAR(qRed(veiled), 255 - 170, 1);
}

namespace {

// The program skin's caption given an active image in a picture of its own for one test;
// the record and the picture list are put back afterwards.
struct CaptionActiveImage {
    TvnDataSkinObject& Caption;
    const qsizetype Pictures;
    CaptionActiveImage(int pictureIndex, QRect active, const QImage& picture)
        : Caption(*ProgramSkin().FrameObject(ProgramSkin().FindFrameObject("caption")))
        , Pictures(ProgramSkin().Pictures.size())
    {
        if (!picture.isNull()) ProgramSkin().Pictures.append(picture);
        m_index = Caption.ActivePictureIndex;
        m_active = Caption.ActiveSkinRect;
        Caption.ActivePictureIndex = pictureIndex;
        Caption.ActiveSkinRect = active;
    }
    ~CaptionActiveImage()
    {
        Caption.ActivePictureIndex = m_index;
        Caption.ActiveSkinRect = m_active;
        ProgramSkin().Pictures.resize(Pictures);
    }

private:
    int m_index = -1;
    QRect m_active;
};

QImage CaptionPaint(bool active, int* activations = nullptr)
{
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 400, 200);
    if (activations) {
        f.Frame->OnActivate = [activations](QObject*) { ++*activations; };
        f.Frame->OnDeActivate = [activations](QObject*) { *activations += 100; };
    }
    f.Form->Perform(msg::WM_NCACTIVATE, active ? 1 : 0, 0);
    return FramePaint(*f.Form);
}

} // namespace

TEST(SkinnedFramePaint, TheCaptionShowsItsActiveImageWhileTheFrameIsActive)
{
    const QRgb red = qRgb(200, 0, 0);
    const int index = static_cast<int>(ProgramSkin().Pictures.size());
    QImage picture(194, 18, QImage::Format_RGB32);
    picture.fill(red);
    CaptionActiveImage image(index, QRect(0, 0, 194, 18), picture);
    int activations = 0;
    const QImage active = CaptionPaint(true, &activations);
    EXPECT_EQ(active.pixel(100, 10), red);
    EXPECT_EQ(activations, 1);
    activations = 0;
    const QImage inactive = CaptionPaint(false, &activations);
    EXPECT_NE(inactive.pixel(100, 10), red);
    EXPECT_EQ(activations, 100);
}

TEST(SkinnedFramePaint, AnActiveImageInAPictureThatDoesNotExistIsNoImage)
{
    const QImage plain = CaptionPaint(true);
    // The frame picture's own pixels at the active rectangle would show were the missing
    // picture taken to be the frame picture.
    CaptionActiveImage missing(999, QRect(0, 60, 194, 18), QImage());
    EXPECT_EQ(CaptionPaint(true), plain);
}
