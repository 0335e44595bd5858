// Panels and group boxes: the frame and the caption from the record, the children's
// room, the check box and rolling up.
#include "skin/controls/vnSkinCtrls/Panel.h"

#include "ControlSkin.h"
#include "framework/Form.h"
#include "skin/controls/vnSkinCtrls/SkinGeometry.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace ctltest;

namespace {

bool HasColor(const QImage& image, const QRect& area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == color) return true;
    return false;
}

} // namespace

// The studio-sized group box of the client search window, skinned.
class GroupBox : public ::testing::Test {
protected:
    GroupBox()
    {
        m_box.SetSkinData(&m_skin.Store());
        m_box.SetBounds(0, 0, 409, 105);
    }

    TestSkin m_skin;
    TvnSkinGroupBox m_box;
};

TEST_F(GroupBox, CaptionRectangleWidensWithTheBox)
{
    const auto* record = m_skin.Store().ControlSkinAs<TvnDataSkinPanelControl>(m_box.SkinRecordIndex());
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(
        vnctrls::MapSkinRect(m_box.Geometry(), m_box.size(), record->CaptionRect), QRect(3, 3, 403, 15));
}

TEST_F(GroupBox, CaptionIsDrawnLeftAlignedInTheRecordsColourOverTheFrame)
{
    m_box.SetCaption("Cliente Selecionado");
    const QImage look = Grab(&m_box);
    // White text (the record's font colour) starts at the caption's left and ends well
    // before the right edge; the frame around it and the client tile stay the skin's.
    EXPECT_TRUE(HasColor(look, QRect(3, 3, 40, 15), qRgb(255, 255, 255)));
    EXPECT_FALSE(HasColor(look, QRect(250, 3, 150, 15), qRgb(255, 255, 255)));
    EXPECT_EQ(look.pixel(1, 1), kGroupFrame);
    EXPECT_EQ(look.pixel(200, 60), kGroupClient);
    EXPECT_EQ(look.pixel(407, 103), kGroupFrame);
}

TEST_F(GroupBox, ChildrenAreLaidOutInTheSkinsClientRectangle)
{
    TvnSkinPanel child;
    child.SetParent(&m_box);
    child.SetAlign(alClient);
    // The record's client rectangle 5,21,55,49 grown by 349 x 51.
    EXPECT_EQ(child.geometry(), vnutils::RectLTRB(5, 21, 404, 100));

    // Without a record: inside the border, below the default caption bar.
    m_skin.DestroyStore();
    m_box.SetBounds(0, 0, 200, 100);
    EXPECT_EQ(child.geometry(), vnutils::RectLTRB(1, 23, 199, 99));
}

TEST(Panel, CheckedWithoutCheckedModeOnlyRaisesOnChecked)
{
    TvnSkinPanel panel;
    TvnSkinPanel child;
    child.SetParent(&panel);
    int raised = 0;
    panel.OnChecked = [&](QObject* sender) {
        EXPECT_EQ(sender, &panel);
        ++raised;
    };
    panel.SetChecked(false);
    panel.SetChecked(true);
    EXPECT_EQ(raised, 2);
    EXPECT_TRUE(child.Enabled());

    panel.SetCheckedMode(true);
    panel.SetChecked(false);
    EXPECT_EQ(raised, 3);
    EXPECT_FALSE(child.Enabled());
    panel.SetAutoEnabledControls(false);
    panel.SetChecked(true);
    EXPECT_FALSE(child.Enabled());
}

TEST(Panel, ACaptionClickTogglesTheCheckBoxOnlyInTheCaption)
{
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    TvnSkinGroupBox box;
    box.SetParent(form.ClientWidget());
    box.SetBounds(10, 10, 200, 120);
    box.SetCaption("Categorias");
    box.SetCheckedMode(true);
    form.Show();
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    EXPECT_TRUE(box.Checked());
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(100, 80));
    EXPECT_TRUE(box.Checked());
    QTest::mouseClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(100, 10));
    EXPECT_TRUE(box.Checked());
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    EXPECT_FALSE(box.Checked());
}

TEST(Panel, RollingUpAndDownRestoresHeightLimitsAndChildren)
{
    for (bool skinned : { false, true }) {
        SCOPED_TRACE(skinned ? "skinned" : "default look");
        TestSkin skin;
        TvnSkinGroupBox box;
        if (skinned) box.SetSkinData(&skin.Store());
        box.SetBounds(0, 0, 300, 150);
        box.setMinimumSize(120, 100);
        box.setMaximumSize(500, 400);
        TvnSkinPanel shown, hidden;
        shown.SetParent(&box);
        hidden.SetParent(&box);
        hidden.SetVisible(false);
        int changes = 0;
        box.OnChangeRollUpState = [&](QObject*) { ++changes; };

        box.SetRollUpState(true);
        EXPECT_FALSE(box.RollUpState()) << "no roll-up mode";
        box.SetRollUpMode(true);
        box.SetRollUpState(true);
        EXPECT_EQ(box.RealHeight(), 150);
        // The caption bar's height (default look), or the height less the skin's client
        // rectangle (28 + 150 - 54 = 124 high).
        EXPECT_EQ(box.Height(), skinned ? 26 : 23);
        EXPECT_FALSE(shown.Visible());

        box.SetRollUpState(false);
        EXPECT_EQ(box.Height(), 150);
        EXPECT_EQ(box.RealHeight(), -1);
        EXPECT_EQ(box.minimumSize(), QSize(120, 100));
        EXPECT_EQ(box.maximumSize(), QSize(500, 400));
        EXPECT_TRUE(shown.Visible());
        EXPECT_FALSE(hidden.Visible());
        EXPECT_EQ(changes, 2);
    }
}

TEST(Panel, DefaultLookFollowsTheBorderStyle)
{
    TvnSkinPanel panel;
    panel.SetBounds(0, 0, 40, 30);
    const QRgb shadow = ToQColor(clr::clBtnShadow).rgba();
    const QRgb light = ToQColor(clr::clBtnHighlight).rgba();
    const QRgb face = ToQColor(clr::clBtnFace).rgba();
    struct Expected {
        TvnSkinBorderStyle style;
        QRgb topLeft, bottomRight;
    };
    for (const Expected& e : { Expected { bvFrame, shadow, shadow }, Expected { bvRaised, light, shadow },
             Expected { bvLowered, shadow, light }, Expected { bvNone, face, face } }) {
        panel.SetBorderStyle(e.style);
        const QImage look = Grab(&panel);
        EXPECT_EQ(look.pixel(0, 10), e.topLeft) << e.style;
        EXPECT_EQ(look.pixel(39, 10), e.bottomRight) << e.style;
        EXPECT_EQ(look.pixel(20, 15), face) << e.style;
    }
}

TEST(Panel, TransparentModeShowsTheParentUnderAGroupLine)
{
    TestSkin skin;
    TvnSkinPanel parent;
    parent.SetSkinData(&skin.Store());
    parent.SetBounds(0, 0, 200, 150);
    TvnSkinPanel panel;
    panel.SetParent(&parent);
    panel.SetSkinData(&skin.Store());
    panel.SetTransparentMode(true);
    panel.SetBounds(40, 40, 100, 80);
    const QImage look = Grab(&panel);
    const QRgb shadow = ToQColor(kSkinShadow).rgba();
    EXPECT_EQ(look.pixel(0, 40), shadow);
    EXPECT_EQ(look.pixel(99, 40), shadow);
    EXPECT_EQ(look.pixel(50, 50), kPanelClient) << "the parent's client tile shows through";
}

TEST(Panel, BorderlessPanelWithoutCaptionIsAllClientTile)
{
    TestSkin skin;
    TvnSkinPanel panel;
    panel.SetSkinData(&skin.Store());
    panel.SetBorderStyle(bvNone);
    panel.SetBounds(0, 0, 70, 50);
    const QImage look = Grab(&panel);
    EXPECT_EQ(look.pixel(0, 0), kPanelClient);
    EXPECT_EQ(look.pixel(69, 49), kPanelClient);
    TvnSkinPanel child;
    child.SetParent(&panel);
    child.SetAlign(alClient);
    EXPECT_EQ(child.geometry(), QRect(0, 0, 70, 50));
}

// A tiled middle repeats the skin's client tile from the client rectangle's corner, the
// last column and row of tiles cut where the client rectangle ends, at every paint.
TEST(Panel, TiledMiddleRepeatsTheClientTileFromItsCorner)
{
    // The tile is the inside of the hbar strip (8 columns kLeft, 30 kMiddle, 8 kRight, 16
    // rows), inside a frame two pixels wide.
    TestSkin skin("[SKINCONTROLS]\r\ncount=1\r\n0=tiled:panel\r\n"
                  "[tiled]\r\npictureindex=0\r\nmaskpictureindex=-1\r\nskinrect=100,0,150,20\r\n"
                  "lefttoppoint=2,2\r\nrighttoppoint=48,2\r\nleftbottompoint=2,18\r\n"
                  "rightbottompoint=48,18\r\nclientrect=2,2,48,18\r\nstretcheffect=0\r\n");
    TvnSkinPanel panel;
    panel.SetSkinDataName("tiled");
    panel.SetSkinData(&skin.Store());
    panel.SetBounds(0, 0, 137, 47); // two whole tiles and a cut one each way
    const QImage first = Grab(&panel);
    const QRect client = panel.CurrentGeometry().ClientRect;
    ASSERT_EQ(client, QRect(2, 2, 133, 43));
    const QImage picture = TestSkin::Picture();
    int wrong = 0;
    for (int y = client.top(); y <= client.bottom(); ++y)
        for (int x = client.left(); x <= client.right(); ++x)
            if (first.pixel(x, y) != picture.pixel(102 + (x - 2) % 46, 2 + (y - 2) % 16)) ++wrong;
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(Grab(&panel), first) << "a repaint from the kept row draws the same";
}

// The frame strips are composed once per size and skin: the caption drawn into the top
// strip never reaches the kept strip, so a new caption shows alone.
TEST_F(GroupBox, FrameStripsAreKeptAndTheCaptionIsDrawnOverACopy)
{
    m_box.SetCaption("Cliente Selecionado");
    EXPECT_TRUE(HasColor(Grab(&m_box), QRect(3, 3, 40, 15), qRgb(255, 255, 255)));
    EXPECT_EQ(m_box.CachedFaceCount(), 1);
    m_box.SetCaption("");
    const QImage bare = Grab(&m_box);
    EXPECT_FALSE(HasColor(bare, QRect(3, 3, 400, 15), qRgb(255, 255, 255)));
    EXPECT_EQ(bare.pixel(1, 1), kGroupFrame);
    EXPECT_EQ(m_box.CachedFaceCount(), 1);
    m_box.Perform(msg::SKINMSG_BEFORE_CHANGE, 0, 0);
    EXPECT_EQ(m_box.CachedFaceCount(), 0);
}

// Every paint looks the panel over afresh: a frame, caption or parent changed between two
// paints shows in the second, with nothing of the first left behind.
TEST(Panel, TransparentPanelShowsWhatChangedSinceTheLastPaint)
{
    TestSkin skin;
    TvnSkinPanel parent; // without a skin first: the system's face colour
    parent.SetBounds(0, 0, 200, 150);
    TvnSkinPanel panel;
    panel.SetParent(&parent);
    panel.SetSkinData(&skin.Store());
    panel.SetTransparentMode(true);
    panel.SetBounds(40, 40, 100, 80);
    const QRgb shadow = ToQColor(kSkinShadow).rgba();
    const QRgb face = ToQColor(clr::clBtnFace).rgba();

    QImage look = Grab(&panel);
    EXPECT_EQ(look.pixel(0, 40), shadow);
    EXPECT_EQ(look.pixel(50, 50), face);

    parent.SetSkinData(&skin.Store());
    look = Grab(&panel);
    EXPECT_EQ(look.pixel(50, 50), kPanelClient) << "the parent's new look shows through";

    panel.SetBorderStyle(bvNone);
    look = Grab(&panel);
    EXPECT_EQ(look.pixel(0, 40), kPanelClient) << "no frame left from the last paint";

    // In caption mode the group line runs at half the caption's height, in the store's
    // shadow colour, and resumes right of the caption: further right for a longer one.
    panel.SetCaptionMode(true);
    panel.SetCaption("Ab");
    look = Grab(&panel);
    int lineY = -1;
    for (int y = 0; y < 40 && lineY == -1; ++y)
        if (look.pixel(0, y) == shadow) lineY = y;
    ASSERT_GT(lineY, 0);
    const auto resumesAt = [&](const QImage& image) {
        for (int x = 5; x < 100; ++x)
            if (image.pixel(x, lineY) == shadow) return x;
        return -1;
    };
    const int shortResume = resumesAt(look);
    EXPECT_GT(shortResume, 5);
    EXPECT_EQ(look.pixel(99, lineY), shadow);
    panel.SetCaption("Cliente");
    look = Grab(&panel);
    EXPECT_GT(resumesAt(look), shortResume) << "the new caption's line, not the last one's";
    EXPECT_EQ(look.pixel(99, lineY), shadow);
}

// The skinned caption follows the state between paints: the check box's image for the
// new state, a caption removed leaves the record's frame.
TEST_F(GroupBox, CaptionStateChangedBetweenPaintsIsDrawnByTheNext)
{
    m_box.SetCaption("Cliente");
    m_box.SetCheckedMode(true);
    const QImage unchecked = Grab(&m_box);
    m_box.SetChecked(true);
    const QImage checked = Grab(&m_box);
    EXPECT_NE(checked.copy(0, 0, 409, 21), unchecked.copy(0, 0, 409, 21));
    EXPECT_EQ(checked.copy(0, 21, 409, 84), unchecked.copy(0, 21, 409, 84)) << "only the caption changes";
    m_box.SetChecked(false);
    EXPECT_EQ(Grab(&m_box), unchecked);
}
