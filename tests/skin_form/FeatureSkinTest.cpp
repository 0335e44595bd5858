// The frame driven with the feature skin, which uses every frame feature: where its
// objects lie and what the mouse hits there, the animated objects of each style tick by
// tick (frames under the pointer, a cycle, frames played once, a down image), the
// caption's animation, active image and text glows, the reflected title in the bottom
// border and the client background picture.
#include "FeatureSkinFixture.h"
#include "FrameFixture.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace frametest;
using namespace veneer;

namespace {

constexpr TvnBorderIcons kAllIcons = veneer::biSystemMenu | veneer::biMinimize | veneer::biMaximize
    | veneer::biRollUp | veneer::biMinimizeToTray;

struct FeatureForm : FramedForm {
    explicit FeatureForm(TvnBorderIcons icons = kAllIcons, QSize size = { 400, 260 })
        : FramedForm(bsSizeable, nullptr)
    {
        Frame->SetBorderIcons(icons);
        Frame->SetSkinData(&FeatureSkin());
        Form->SetBounds(0, 0, size.width(), size.height());
        Form->SetCaption(QString());
    }
    void Activate(bool active) { Form->Perform(msg::WM_NCACTIVATE, active ? 1 : 0, 0); }
    void Tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            Form->Perform(msg::WM_TIMER, TvnVeneerform::kAnimateTimer, 0);
    }
    const TvnFrameObjectState& State(const char* name) const
    {
        return Frame->Objects().State(ObjectIndex(*Frame, name));
    }
    LRESULT Hit(QPoint p) { return Form->Perform(msg::WM_NCHITTEST, 0, MakeLParam(p.x(), p.y())); }
    void Press(QPoint p, UINT message) { Form->Perform(message, ht::HTOBJECT, MakeLParam(p.x(), p.y())); }
};

// Frame k (from 1) of an animated object's row in the objects' picture, 18 x 18 each.
QImage ObjectFrame(int row, int k)
{
    return FeatureSkin().Pictures.at(kFeatureObjectsPicture).copy((k - 1) * 18, row * 18, 18, 18);
}

QImage Painted(TForm& form, const QRect& place)
{
    return FramePaint(form).copy(place).convertToFormat(QImage::Format_RGB32);
}

QRect Changed(const QImage& a, const QImage& b, const QRect& within)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(FeatureSkin, ObjectsLieInTheButtonRowTheCaptionAndTheBottomBorder)
{
    FeatureForm f;
    f.Activate(true);
    // The buttons rectangle (160..290 of a 300 wide picture) follows the right edge:
    // close first, then the commands, then the default-command objects in list order.
    const int r = 290 + 100;
    const struct {
        const char* Name;
        int Right;
    } row[] = { { "closebutton", r }, { "maxbutton", r - 20 }, { "minbutton", r - 40 },
        { "rollupbutton", r - 60 }, { "traybutton", r - 80 }, { "spinner", r - 100 }, { "badge", r - 120 } };
    for (const auto& o : row)
        EXPECT_EQ(ObjectPlace(*f.Frame, o.Name), QRect(o.Right - 18, 7, 18, 18)) << o.Name;
    // The system-menu button at the caption's left, centred in it; the caption after it.
    EXPECT_EQ(ObjectPlace(*f.Frame, "sysmenubutton"), QRect(10, 7, 18, 18));
    EXPECT_EQ(ObjectPlace(*f.Frame, "caption"), QRect(28, 3, 120 + 100, 26));
    // The bottom border's objects: the title's shelf stretches, the grip keeps to the
    // right corner and the user area to the left one.
    EXPECT_EQ(ObjectPlace(*f.Frame, "shelfcaption"), QRect(50, 149 + 80, 300, 28));
    EXPECT_EQ(ObjectPlace(*f.Frame, "gripbutton"), QRect(274 + 100, 154 + 80, 16, 16));
    EXPECT_EQ(ObjectPlace(*f.Frame, "userarea"), QRect(12, 152 + 80, 32, 22));

    EXPECT_EQ(f.Hit(ObjectPlace(*f.Frame, "traybutton").center()), ht::HTOBJECT);
    EXPECT_EQ(f.Hit(ObjectPlace(*f.Frame, "spinner").center()), ht::HTOBJECT);
    EXPECT_EQ(f.Hit(QPoint(100, 15)), ht::HTCAPTION);
    EXPECT_EQ(f.Hit(QPoint(200, 100)), ht::HTCLIENT);
    f.Frame->MouseTest(ObjectPlace(*f.Frame, "gripbutton").center(), true);
    EXPECT_EQ(f.Frame->ActiveObject(), ObjectIndex(*f.Frame, "gripbutton"));
    EXPECT_EQ(f.Hit(ObjectPlace(*f.Frame, "gripbutton").center()), ht::HTOBJECT);
}

TEST(FeatureSkin, OnlyTheButtonStyleObjectFollowsTheBorderIcons)
{
    FeatureForm f(veneer::biMinimize);
    EXPECT_FALSE(f.Frame->Objects().LayoutAt(ObjectIndex(*f.Frame, "traybutton")).Shown);
    EXPECT_FALSE(f.State("traybutton").Available);
    // The spinner and the badge are not caption buttons: shown whatever the icons say,
    // placed from the right after close and minimize.
    EXPECT_TRUE(f.Frame->Objects().LayoutAt(ObjectIndex(*f.Frame, "spinner")).Shown);
    EXPECT_EQ(ObjectPlace(*f.Frame, "spinner"), QRect(390 - 58, 7, 18, 18));
    EXPECT_EQ(ObjectPlace(*f.Frame, "badge"), QRect(390 - 78, 7, 18, 18));

    // Hints: the tray button's is the fixed text of its command; the others keep the
    // skin's (none).
    FeatureForm all;
    EXPECT_EQ(
        all.Frame->ObjectHint(ObjectIndex(*all.Frame, "traybutton")), QStringLiteral("Minimize to Tray"));
    EXPECT_EQ(all.Frame->ObjectHint(ObjectIndex(*all.Frame, "spinner")), QString());
    all.Frame->setProperty("UseDefaultObjectHint", false);
    EXPECT_EQ(
        all.Frame->ObjectHint(ObjectIndex(*all.Frame, "traybutton")), QStringLiteral("Minimize to Tray"));
    EXPECT_EQ(all.Frame->ObjectHint(ObjectIndex(*all.Frame, "gripbutton")), QStringLiteral("Grip"));
}

TEST(FeatureSkin, TheTrayButtonRunsItsFramesForwardUnderThePointerAndBackWhenItLeaves)
{
    FeatureForm f;
    f.Activate(true);
    const QRect tray = ObjectPlace(*f.Frame, "traybutton");
    EXPECT_EQ(Painted(*f.Form, tray), ObjectFrame(0, 1));
    f.Frame->MouseTest(tray.center(), true);
    ASSERT_TRUE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
    // timerinterval 50: a frame every second tick of 25 ms, up to the last (6), where it
    // stays.
    std::vector<int> frames;
    for (int i = 0; i < 14; ++i) {
        f.Tick();
        frames.push_back(f.State("traybutton").FrameIndex);
    }
    EXPECT_EQ(frames, (std::vector<int> { 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6 }));
    EXPECT_EQ(Painted(*f.Form, tray), ObjectFrame(0, 6));

    f.Frame->MouseTest(QPoint(200, 100), true);
    frames.clear();
    for (int i = 0; i < 12; ++i) {
        f.Tick();
        frames.push_back(f.State("traybutton").FrameIndex);
    }
    EXPECT_EQ(frames, (std::vector<int> { 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 1 }));
    EXPECT_EQ(Painted(*f.Form, tray), ObjectFrame(0, 1));
}

TEST(FeatureSkin, HeldDownTheTrayButtonShowsItsDownImageAndStartsAgainOnRelease)
{
    FeatureForm f;
    f.Activate(true);
    const QRect tray = ObjectPlace(*f.Frame, "traybutton");
    f.Frame->MouseTest(tray.center(), true);
    f.Tick(4);
    f.Press(tray.center(), msg::WM_NCLBUTTONDOWN);
    EXPECT_TRUE(f.State("traybutton").Pressed);
    EXPECT_EQ(f.State("traybutton").FrameIndex, 6);
    EXPECT_EQ(Painted(*f.Form, tray), ObjectFrame(0, 7)) << "the down image";
    // Held, it waits.
    f.Tick(6);
    EXPECT_EQ(f.State("traybutton").FrameIndex, 6);
    EXPECT_EQ(Painted(*f.Form, tray), ObjectFrame(0, 7));

    // Released off it: no command, and its frames start again from the first.
    const QPoint off = ObjectPlace(*f.Frame, "spinner").center();
    f.Press(off, msg::WM_NCLBUTTONUP);
    EXPECT_FALSE(f.State("traybutton").Pressed);
    EXPECT_EQ(f.State("traybutton").FrameIndex, 1);
    EXPECT_FALSE(f.State("traybutton").Forward) << "the pointer has left it";

    // Pressed and released on it: its command (every object leaves the mouse).
    f.Frame->MouseTest(tray.center(), true);
    f.Press(tray.center(), msg::WM_NCLBUTTONDOWN);
    f.Press(tray.center(), msg::WM_NCLBUTTONUP);
    EXPECT_FALSE(f.State("traybutton").Pressed);
    EXPECT_FALSE(f.State("traybutton").Highlighted);
    EXPECT_EQ(f.Frame->ActiveObject(), -1);

    // The inactive frame shows its inactive image, greyed with the rest of the frame.
    f.Activate(false);
    TvnEffectBmp inactive(ObjectFrame(0, 8));
    inactive.Grayscale();
    EXPECT_EQ(Painted(*f.Form, tray), inactive.Image().convertToFormat(QImage::Format_RGB32));
}

TEST(FeatureSkin, TheSpinnerCyclesAndTheBadgePlaysOnceWhileTheFrameIsActive)
{
    FeatureForm f;
    f.Activate(true);
    ASSERT_TRUE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
    // Spinner: 8 frames, 100 ms each (4 ticks), round and round. Badge: 6 frames, 75 ms
    // each (3 ticks), once.
    std::vector<int> spinner, badge;
    for (int i = 0; i < 40; ++i) {
        f.Tick();
        spinner.push_back(f.State("spinner").FrameIndex);
        badge.push_back(f.State("badge").FrameIndex);
    }
    EXPECT_EQ(spinner[2], 1);
    EXPECT_EQ(spinner[3], 2);
    EXPECT_EQ(spinner[3 + 4 * 6], 8);
    EXPECT_EQ(spinner[3 + 4 * 7], 1) << "the cycle wraps to the first frame";
    EXPECT_EQ(badge[1], 1);
    EXPECT_EQ(badge[2], 2);
    EXPECT_EQ(badge[2 + 3 * 4], 6);
    EXPECT_EQ(badge.back(), 6) << "no cycle: it stays on its last frame";
    EXPECT_EQ(Painted(*f.Form, ObjectPlace(*f.Frame, "badge")), ObjectFrame(2, 6));
    EXPECT_EQ(
        Painted(*f.Form, ObjectPlace(*f.Frame, "spinner")), ObjectFrame(1, f.State("spinner").FrameIndex));

    // Inactive: they keep their frames; once the caption is back at its still image the
    // timer stops.
    f.Activate(false);
    const int at = f.State("spinner").FrameIndex;
    f.Tick(40);
    EXPECT_EQ(f.State("spinner").FrameIndex, at);
    EXPECT_FALSE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
    // Active again: the spinner goes on from where it was.
    f.Activate(true);
    EXPECT_TRUE(f.Form->HasTimer(TvnVeneerform::kAnimateTimer));
    f.Tick(4);
    EXPECT_EQ(f.State("spinner").FrameIndex, at % 8 + 1);
}

TEST(FeatureSkin, TheCaptionShowsItsAnimationFramesThenItsActiveImage)
{
    FeatureForm f;
    f.Activate(true);
    const QRect caption = ObjectPlace(*f.Frame, "caption");
    const QImage& picture = FeatureSkin().Pictures.at(kFeatureCaptionPicture);
    // Frame k of the stacked strip (26 rows each, below the active image), its left 20
    // columns (left of the left-top corner) kept as they are.
    const auto left = [&](const QImage& img) { return img.copy(QRect(caption.topLeft(), QSize(20, 26))); };
    const auto strip
        = [&](int k) { return picture.copy(0, 26 * k, 20, 26).convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(f.State("caption").AnimFrame, 1);
    EXPECT_EQ(left(FramePaint(*f.Form)), strip(1));
    f.Tick(2 * 2);
    EXPECT_EQ(f.State("caption").AnimFrame, 3);
    EXPECT_EQ(left(FramePaint(*f.Form)), strip(3));
    f.Tick(2 * 4);
    EXPECT_EQ(f.State("caption").AnimFrame, 7);
    // Past the frames: the active image (its morph ended; the caption is highlighted).
    for (int i = 0; i < 6; ++i)
        f.Form->Perform(msg::WM_TIMER, TvnVeneerform::kMorphTimer, 0);
    EXPECT_EQ(left(FramePaint(*f.Form)), picture.copy(0, 0, 20, 26).convertToFormat(QImage::Format_RGB32));
}

TEST(FeatureSkin, TheCaptionTextGlowsSoftlyWhenActiveAndNarrowlyWhenInactive)
{
    FeatureForm f;
    f.Activate(true);
    f.Tick(20);
    for (int i = 0; i < 6; ++i)
        f.Form->Perform(msg::WM_TIMER, TvnVeneerform::kMorphTimer, 0);
    const QRect caption = ObjectPlace(*f.Frame, "caption");
    const QImage bare = FramePaint(*f.Form);
    f.Form->SetCaption(QStringLiteral("Quira"));
    const QRect active = Changed(bare, FramePaint(*f.Form), caption);
    f.Form->SetCaption(QString());
    f.Activate(false);
    f.Tick(20);
    for (int i = 0; i < 6; ++i)
        f.Form->Perform(msg::WM_TIMER, TvnVeneerform::kMorphTimer, 0);
    const QImage bareInactive = FramePaint(*f.Form);
    f.Form->SetCaption(QStringLiteral("Quira"));
    const QRect inactive = Changed(bareInactive, FramePaint(*f.Form), caption);
    ASSERT_FALSE(active.isEmpty());
    ASSERT_FALSE(inactive.isEmpty());
    // The text starts 6 pixels into the caption: the soft glow (6 out) reaches the
    // caption's left edge (give or take the first glyph's bearing), the glow of size 2
    // stops 4 pixels short of where the soft glow does, on both sides.
    EXPECT_LE(active.left(), caption.left() + 1);
    EXPECT_EQ(inactive.left(), active.left() + 4);
    EXPECT_EQ(active.width(), inactive.width() + 8);
}

TEST(FeatureSkin, TheBottomBorderReflectsTheTitle)
{
    FeatureForm f;
    f.Activate(true);
    const QRect shelf = ObjectPlace(*f.Frame, "shelfcaption");
    const QImage bare = FramePaint(*f.Form);
    f.Form->SetCaption(QStringLiteral("Quira"));
    const QImage titled = FramePaint(*f.Form);
    const QRect top = Changed(bare, titled, shelf.adjusted(0, 0, 0, -12));
    const QRect below = Changed(bare, titled, shelf.adjusted(0, 16, 0, 0));
    ASSERT_FALSE(top.isEmpty());
    ASSERT_FALSE(below.isEmpty()) << "the reflection under the title";
    // Centred, and the reflection as wide as the title.
    EXPECT_LE(std::abs((top.left() + top.right()) / 2 - shelf.center().x()), 2);
    EXPECT_EQ(below.left(), top.left());
    EXPECT_EQ(below.right(), top.right());
}

TEST(FeatureSkin, TheClientBackgroundIsTheSkinsTile)
{
    FeatureForm f;
    QImage client(f.Form->ClientWidth(), f.Form->ClientHeight(), QImage::Format_RGB32);
    client.fill(Qt::black);
    {
        QPainter p(&client);
        f.Form->Perform(msg::WM_ERASEBKGND, reinterpret_cast<WPARAM>(&p), 0);
    }
    const QImage tile
        = FeatureSkin().Pictures.at(kFeatureBackgroundPicture).convertToFormat(QImage::Format_RGB32);
    for (const QPoint p : { QPoint(0, 0), QPoint(23, 23), QPoint(30, 5), QPoint(101, 77) })
        EXPECT_EQ(client.pixel(p), tile.pixel(p.x() % 24, p.y() % 24)) << p.x() << "," << p.y();
}

TEST(FeatureSkin, TheRollUpButtonRollsTheFormUpAndThenShowsItsRestoreImages)
{
    FeatureForm f;
    f.Activate(true);
    const QRect rollUp = ObjectPlace(*f.Frame, "rollupbutton");
    f.Frame->MouseTest(rollUp.center(), true);
    f.Press(rollUp.center(), msg::WM_NCLBUTTONDOWN);
    f.Press(rollUp.center(), msg::WM_NCLBUTTONUP);
    ASSERT_TRUE(f.Frame->RollUpState());
    EXPECT_LT(f.Form->height(), 100);
    EXPECT_EQ(ObjectPlace(*f.Frame, "rollupbutton"), rollUp);
    // Row 4 of the caption buttons' picture: restore hot (column 6) while the pointer is
    // on it, restore (column 5) once it has left.
    const QImage& buttons = FeatureSkin().Pictures.at(0);
    const auto look = [&](int column) {
        return buttons.copy(column * 18, 4 * 18, 18, 18).convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(Painted(*f.Form, rollUp), look(6));
    f.Frame->MouseTest(QPoint(-1, -1), true);
    for (int i = 0; i < 6; ++i)
        f.Form->Perform(msg::WM_TIMER, TvnVeneerform::kMorphTimer, 0);
    EXPECT_EQ(Painted(*f.Form, rollUp), look(5));
}

TEST(FeatureSkin, AnAlphaBlendedFormFadesToItsValueFromATimer)
{
    FeatureForm f;
    f.Frame->setProperty("AlphaBlend", true);
    f.Frame->setProperty("AlphaBlendAnimation", true);
    f.Form->Perform(msg::WM_SHOWWINDOW, 1, 0);
    EXPECT_EQ(f.Form->windowOpacity(), 0.0);
    ASSERT_TRUE(f.Form->HasTimer(TvnVeneerform::kFadeTimer));
    double last = 0;
    int steps = 0;
    while (f.Form->HasTimer(TvnVeneerform::kFadeTimer) && steps < 100) {
        f.Form->Perform(msg::WM_TIMER, TvnVeneerform::kFadeTimer, 0);
        EXPECT_GE(f.Form->windowOpacity(), last);
        last = f.Form->windowOpacity();
        ++steps;
    }
    EXPECT_GT(steps, 1) << "in steps, not at once";
    EXPECT_NEAR(f.Form->windowOpacity(), 200 / 255.0, 0.01);
}
