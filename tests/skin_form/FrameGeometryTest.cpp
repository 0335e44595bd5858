// Where the frame puts the client area, with and without a skin, and how skin changes,
// border styles and owners are answered.
#include "FrameFixture.h"
#include "framework/Control.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

using namespace frametest;

namespace {

const WPARAM kNoStore = 0;

void SendSkinChange(TForm& form, TvnSkinData& store, bool finish = true)
{
    const auto wp = reinterpret_cast<WPARAM>(&store);
    form.Perform(msg::SKINMSG_BEFORE_CHANGE, wp, TvnSkinData::kNotifyTag);
    if (!finish) return;
    form.Perform(msg::SKINMSG_CHANGE, wp, TvnSkinData::kNotifyTag);
    form.Perform(msg::SKINMSG_AFTER_CHANGE, wp, TvnSkinData::kNotifyTag);
}

bool AllPixelsAre(const QImage& image, QRgb color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != color) return false;
    return true;
}

} // namespace

TEST(FrameGeometry, WithoutAStoreTheClientIsInsetByTheDefaultFrame)
{
    for (const TFormBorderStyle style : { bsSizeable, bsSingle, bsDialog, bsToolWindow, bsSizeToolWin }) {
        FramedForm f(style);
        f.Form->SetBounds(10, 10, 300, 200);
        const int caption = style == bsToolWindow || style == bsSizeToolWin ? 15 : 19;
        EXPECT_EQ(ClientGeometry(*f.Form), QRect(3, caption + 3, 294, 200 - caption - 6)) << style;
        EXPECT_EQ(f.Form->ClientRect(), ClientGeometry(*f.Form));
        EXPECT_FALSE(f.Frame->SkinPresent());
        // The shape of a frame without a skin is its rectangle.
        ASSERT_TRUE(f.Frame->FrameRegion().has_value());
        EXPECT_EQ(*f.Frame->FrameRegion(), QRegion(0, 0, 300, 200));
    }
}

TEST(FrameGeometry, AnEmptyStoreGivesTheDefaultFrameToo)
{
    TvnSkinData empty;
    FramedForm f(bsSizeable, &empty);
    f.Form->SetBounds(0, 0, 200, 100);
    EXPECT_EQ(ClientGeometry(*f.Form), QRect(3, 22, 194, 75));
}

TEST(FrameGeometry, TheStudioSkinInsetsTheClientEightTwentyFourEightFourAtEverySize)
{
    FramedForm f(bsSizeable, &ProgramSkin());
    ASSERT_TRUE(f.Frame->SkinPresent());
    for (const QSize size :
        { QSize(215, 149), QSize(200, 60), QSize(416, 320), QSize(816, 379), QSize(1920, 1080) }) {
        f.Form->SetBounds(5, 7, size.width(), size.height());
        EXPECT_EQ(ClientGeometry(*f.Form), QRect(8, 24, size.width() - 16, size.height() - 28))
            << size.width();
        EXPECT_EQ(f.Frame->Geometry().NewClientRect, ClientGeometry(*f.Form)) << size.width();
    }
}

TEST(FrameGeometry, ADeclaredClientSizeIsKeptWhenTheSkinArrivesBeforeTheFirstShow)
{
    FramedForm f;
    f.Form->SetClientWidth(800);
    f.Form->SetClientHeight(351);
    EXPECT_EQ(f.Form->size(), QSize(806, 376));
    f.Frame->SetSkinData(&ProgramSkin());
    EXPECT_EQ(f.Form->size(), QSize(816, 379));
    EXPECT_EQ(ClientGeometry(*f.Form), QRect(8, 24, 800, 351));
}

TEST(FrameGeometry, ABorderlessFormGetsNeitherFrameNorRegion)
{
    FramedForm f(bsNone, &ProgramSkin());
    f.Form->SetBounds(0, 0, 320, 240);
    EXPECT_EQ(ClientGeometry(*f.Form), QRect(0, 0, 320, 240));
    EXPECT_FALSE(f.Frame->FrameRegion().has_value());
    EXPECT_TRUE(f.Form->mask().isEmpty());
    EXPECT_TRUE(AllPixelsAre(FramePaint(*f.Form), 0xFF123456));

    FramedForm plain(bsNone);
    plain.Form->SetBounds(0, 0, 100, 80);
    EXPECT_EQ(ClientGeometry(*plain.Form), QRect(0, 0, 100, 80));
    EXPECT_TRUE(plain.Form->mask().isEmpty());
    EXPECT_TRUE(AllPixelsAre(FramePaint(*plain.Form), 0xFF123456));
}

TEST(FrameGeometry, NothingIsPaintedBetweenTheTwoChangeNotifications)
{
    FramedForm skinned(bsSizeable, &ProgramSkin());
    skinned.Form->SetBounds(0, 0, 300, 200);
    SendSkinChange(*skinned.Form, ProgramSkin(), false);
    EXPECT_TRUE(AllPixelsAre(FramePaint(*skinned.Form), 0xFF123456));
    EXPECT_FALSE(skinned.Frame->SkinPresent());
    skinned.Form->Perform(
        msg::SKINMSG_CHANGE, reinterpret_cast<WPARAM>(&ProgramSkin()), TvnSkinData::kNotifyTag);
    EXPECT_TRUE(skinned.Frame->SkinPresent());
    EXPECT_FALSE(AllPixelsAre(FramePaint(*skinned.Form), 0xFF123456));

    // The default frame waits the same way for the store it names.
    TvnSkinData empty;
    FramedForm plain(bsSizeable, &empty);
    plain.Form->SetBounds(0, 0, 300, 200);
    SendSkinChange(*plain.Form, empty, false);
    EXPECT_TRUE(AllPixelsAre(FramePaint(*plain.Form), 0xFF123456));
    plain.Form->Perform(msg::SKINMSG_CHANGE, reinterpret_cast<WPARAM>(&empty), TvnSkinData::kNotifyTag);
    EXPECT_FALSE(AllPixelsAre(FramePaint(*plain.Form), 0xFF123456));
}

TEST(FrameGeometry, ClientSizeFollowsTheFrameOnlyWhenItAsksForOne)
{
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 400, 300);
    f.Form->Show();
    const QRect before = ClientGeometry(*f.Form);
    SendSkinChange(*f.Form, ProgramSkin());
    EXPECT_EQ(ClientGeometry(*f.Form), before);
    EXPECT_EQ(f.Form->size(), QSize(400, 300));

    f.Frame->setProperty("ClientWidth", 250);
    f.Frame->setProperty("ClientHeight", 120);
    SendSkinChange(*f.Form, ProgramSkin());
    EXPECT_EQ(ClientGeometry(*f.Form).size(), QSize(250, 120));
    EXPECT_EQ(f.Form->size(), QSize(266, 148));
}

TEST(FrameGeometry, AnOwnerThatIsNotAFormIsRefused)
{
    TComponent notAForm;
    try {
        new TvnVeneerform(&notAForm);
        FAIL() << "the frame took a component that is not a form";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid class typecast");
    }
    EXPECT_EQ(notAForm.ComponentCount(), 0);
    EXPECT_THROW(TvnVeneerform(nullptr), Exception);
}

TEST(FrameGeometry, RemovingTheFrameGivesTheFormItsOwnProcedureAndFrameBack)
{
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    auto* frame = new TvnVeneerform(&form);
    frame->SetSkinData(&ProgramSkin());
    EXPECT_TRUE(form.OwnFrame());
    EXPECT_FALSE(form.mask().isEmpty());
    delete frame;
    EXPECT_FALSE(form.OwnFrame());
    EXPECT_TRUE(form.mask().isEmpty());
    EXPECT_EQ(form.ClientRect(), QRect(0, 0, 300, 200));
    EXPECT_EQ(form.Perform(0xB1B2), 0) << "no frame answers the query any more";
}

TEST(FrameGeometry, SwitchingSkinnableOffHandsTheFrameBackToThePlatform)
{
    FramedForm f(bsSizeable, &ProgramSkin());
    f.Form->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(f.Form->Perform(0xB1B2), 0x3235);
    ProgramSkin().SetSkinnableForm(false);
    EXPECT_FALSE(f.Frame->Skinnable());
    EXPECT_FALSE(f.Form->OwnFrame());
    EXPECT_TRUE(f.Form->mask().isEmpty());
    EXPECT_EQ(ClientGeometry(*f.Form), QRect(0, 0, 300, 200));
    EXPECT_EQ(f.Form->BorderIcons(), fw::biSystemMenu | fw::biMinimize | fw::biMaximize);
    EXPECT_EQ(f.Form->Perform(0xB1B2), 0x3234);
    ProgramSkin().SetSkinnableForm(true);
    EXPECT_TRUE(f.Form->OwnFrame());
    EXPECT_EQ(f.Form->BorderIcons(), TBorderIcons());
    EXPECT_EQ(ClientGeometry(*f.Form), QRect(8, 24, 284, 172));
    EXPECT_FALSE(f.Form->mask().isEmpty());
}

namespace {

class Listener : public TControl {
public:
    Listener(const QString& name, QWidget* parent, QStringList& log)
        : m_log(log)
    {
        SetName(name);
        SetParent(parent);
    }
    void WndProc(TMessage& m) override
    {
        if (m.Msg >= msg::SKINMSG_BEFORE_CHANGE && m.Msg <= msg::SKINMSG_SKINNABLE_CHANGE)
            m_log << QStringLiteral("%1:%2").arg(Name()).arg(m.Msg - msg::WM_USER);
    }

private:
    QStringList& m_log;
};

} // namespace

TEST(FrameRelay, TheFrameRelaysBothChangeNotificationsToEveryControlParentFirst)
{
    TvnSkinData store;
    FramedForm f(bsSizeable, &store);
    QStringList log;
    Listener a("a", f.Form->ClientWidget(), log);
    Listener inner("inner", &a, log);
    Listener b("b", f.Form->ClientWidget(), log);
    SendSkinChange(*f.Form, store);
    EXPECT_EQ(log, QStringList({ "a:201", "inner:201", "b:201", "a:202", "inner:202", "b:202" }));

    // A form without a frame leaves its controls to the frame: it relays nothing.
    log.clear();
    TForm bare;
    Listener c("c", bare.ClientWidget(), log);
    bare.Perform(msg::SKINMSG_BEFORE_CHANGE, kNoStore, TvnSkinData::kNotifyTag);
    bare.Perform(msg::SKINMSG_CHANGE, kNoStore, TvnSkinData::kNotifyTag);
    EXPECT_TRUE(log.isEmpty());
}

TEST(FrameGeometry, AnObjectReachingBelowTheClientsTopIsDrawnIntoTheBottomImage)
{
    using veneer::ObjectStrip;
    const QRect client(8, 24, 284, 168); // bottom image from y = 192
    EXPECT_FALSE(ObjectStrip(QRect(270, 3, 18, 18), client).Bottom);
    EXPECT_EQ(ObjectStrip(QRect(270, 3, 18, 18), client).Offset, QPoint(0, 0));
    // An object ending exactly at the client's top edge is still the top image's.
    EXPECT_FALSE(ObjectStrip(QRect(270, 6, 18, 18), client).Bottom);
    const auto bottom = ObjectStrip(QRect(100, 193, 30, 6), client);
    EXPECT_TRUE(bottom.Bottom);
    EXPECT_EQ(QRect(100, 193, 30, 6).translated(bottom.Offset).topLeft(), QPoint(100, 1));
}
