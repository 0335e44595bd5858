// What a skin change, a switch of Skinnable and a change of the displays do to a form in
// a window state: a caption bar stays exactly a caption bar, a maximized form is
// maximized again the new way, a form larger than the new display shrinks to it; and the
// restore images of a caption button blend on hover like every other image.
#include "FrameFixture.h"
#include "support/XDesktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

void SendSkinChange(TForm& form)
{
    const auto wp = reinterpret_cast<WPARAM>(&ProgramSkin());
    form.Perform(msg::SKINMSG_BEFORE_CHANGE, wp, TvnSkinData::kNotifyTag);
    form.Perform(msg::SKINMSG_CHANGE, wp, TvnSkinData::kNotifyTag);
    form.Perform(msg::SKINMSG_AFTER_CHANGE, wp, TvnSkinData::kNotifyTag);
}

// The store's Skinnable back on, whatever a test left.
struct SkinnableAgain {
    ~SkinnableAgain() { ProgramSkin().SetSkinnableForm(true); }
};

} // namespace

using FrameSkinChange = FramedFormsTest;

TEST_F(FrameSkinChange, ARolledUpOrMinimizedFormStaysExactlyACaptionBar)
{
    const auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biMinimize | veneer::biRollUp);
    f->Form->Show();
    f->Frame->SetRollUpState(true);
    ASSERT_EQ(f->Form->height(), 28);
    // Grown by someone else meanwhile, the bar gets the frame's height back.
    f->Form->SetHeight(60);
    SendSkinChange(*f->Form);
    EXPECT_EQ(f->Form->height(), 28);
    EXPECT_EQ(f->Form->width(), 416);
    f->Frame->SetRollUpState(false);
    EXPECT_EQ(f->Form->height(), 240);

    f->Frame->SetFrameWindowState(TvnWindowState::wsMinimized);
    ASSERT_EQ(f->Form->size(), QSize(200, 28));
    f->Form->SetBounds(f->Form->x(), f->Form->y(), 260, 44);
    SendSkinChange(*f->Form);
    EXPECT_EQ(f->Form->size(), QSize(200, 28));
    // A form in no such state keeps the size it has.
    f->Frame->SetFrameWindowState(TvnWindowState::wsNormal);
    SendSkinChange(*f->Form);
    EXPECT_EQ(f->Form->size(), QSize(416, 240));
}

TEST_F(FrameSkinChange, SwitchingSkinnableMaximizesAMaximizedFormTheOtherWay)
{
    SkinnableAgain again;
    const auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biMinimize | veneer::biMaximize);
    f->Form->Show();
    f->Frame->SetFrameWindowState(TvnWindowState::wsMaximized);
    const QRect maximized = f->Form->geometry();
    ASSERT_NE(maximized.size(), QSize(416, 240));

    ProgramSkin().SetSkinnableForm(false);
    EXPECT_FALSE(f->Frame->Skinnable());
    EXPECT_TRUE(f->Form->isMaximized()) << "the platform's maximize now";
    EXPECT_TRUE(f->Form->isVisible());

    ProgramSkin().SetSkinnableForm(true);
    EXPECT_TRUE(f->Frame->Skinnable());
    EXPECT_FALSE(f->Form->isMaximized());
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsMaximized) << "the frame's maximize again";
    EXPECT_EQ(f->Form->geometry(), maximized);
    EXPECT_TRUE(f->Form->isVisible());
    f->Frame->SetFrameWindowState(TvnWindowState::wsNormal);
    EXPECT_EQ(f->Form->geometry(), QRect(100, 80, 416, 240));

    // A form that is not maximized keeps its bounds through the switch.
    ProgramSkin().SetSkinnableForm(false);
    EXPECT_FALSE(f->Form->isMaximized());
    ProgramSkin().SetSkinnableForm(true);
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal);
    EXPECT_EQ(f->Form->geometry(), QRect(100, 80, 416, 240));
}

TEST_F(FrameSkinChange, TheRestoreImagesBlendOnHoverAsTheOtherImagesDo)
{
    const auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biMinimize | veneer::biMaximize);
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    f->Frame->SetFrameWindowState(TvnWindowState::wsMaximized);
    const QRect button = testenv::PlaceOf(*f->Frame, "maxbutton");
    ASSERT_FALSE(button.isEmpty());
    const QImage picture = ProgramSkin().Picture(0);
    const QImage restore = picture.copy(QRect(90, 18, 18, 18)).convertToFormat(QImage::Format_RGB32);
    const QImage restoreActive = picture.copy(QRect(108, 18, 18, 18)).convertToFormat(QImage::Format_RGB32);
    ASSERT_NE(restore, restoreActive);
    const auto shown
        = [&] { return FramePaint(*f->Form).copy(button).convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(shown(), restore);

    f->Frame->MouseTest(button.center(), true);
    ASSERT_TRUE(f->Form->HasTimer(TvnVeneerform::kMorphTimer));
    f->Form->Perform(msg::WM_TIMER, TvnVeneerform::kMorphTimer, 0);
    const QImage between = shown();
    EXPECT_NE(between, restore);
    EXPECT_NE(between, restoreActive);
    for (int i = 0; i < 5; ++i)
        f->Form->Perform(msg::WM_TIMER, TvnVeneerform::kMorphTimer, 0);
    EXPECT_EQ(shown(), restoreActive);
    EXPECT_FALSE(f->Form->HasTimer(TvnVeneerform::kMorphTimer));
}

TEST_F(FrameSkinChange, AFormLargerThanAChangedDisplayShrinksToItsMaximum)
{
    const auto f = Shown();
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    // The largest frame the display allows now, narrowed by the form's own maximum.
    f->Frame->setProperty("MaxWidth", 380);
    f->Frame->setProperty("MaxHeight", 300);
    emit screen->availableGeometryChanged(screen->availableGeometry());
    EXPECT_EQ(f->Form->size(), QSize(380, 240));
    EXPECT_EQ(f->Frame->FrameWidth(), 380) << "the frame follows at once";
    EXPECT_EQ(ClientGeometry(*f->Form), QRect(8, 24, 380 - 16, 240 - 28));
    // Within the maximum nothing moves.
    f->Frame->setProperty("MaxWidth", 0);
    emit screen->geometryChanged(screen->geometry());
    EXPECT_EQ(f->Form->size(), QSize(380, 240));
}
