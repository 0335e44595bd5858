// The frame geometry the windows are laid out for, worked out from the program's skin
// by the frame's own geometry functions.
#include "skin/form/Veneerform/FrameGeometry.h"

#include "StudioSkinFixture.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/form/Veneerform/ObjectLayout.h"

#include <vector>

using namespace studiotest;
using namespace veneer;
using vnutils::RectBottom;
using vnutils::RectLTRB;
using vnutils::RectRight;

namespace {

QSize Picture() { return ProgramSkin().MainPicture.size(); }

// The frame objects as the frame lays them out: caption and caption buttons, each
// enabled and shown by the border icons.
std::vector<TvnLayoutObject> CaptionObjects(TvnBorderIcons icons)
{
    std::vector<TvnLayoutObject> objects;
    for (const auto& record : ProgramSkin().FrameObjects()) {
        TvnLayoutObject o;
        o.SkinRect = record->SkinRect;
        o.SkinRectInAPicture = record->SkinRectInAPicture;
        if (dynamic_cast<const TvnDataSkinCaption*>(record.get())) {
            o.Kind = TvnObjectKind::Caption;
        } else if (const auto* b = dynamic_cast<const TvnDataSkinStdButton*>(record.get());
                   b && !dynamic_cast<const TvnDataSkinMainMenuBarButton*>(b)) {
            o.Kind = TvnObjectKind::StdButton;
            o.Command = b->Command;
            o.Shown = CaptionButtonFlags(b->Command, b->SkinRectInAPicture, icons, false, false).Shown;
        } else {
            continue; // menu items and the menu bar's buttons are not part of the frame
        }
        objects.push_back(o);
    }
    return objects;
}

QRect RectOf(const std::vector<TvnLayoutObject>& objects, TvnObjectKind kind,
    TvnSkinCommand command = TvnSkinCommand::cmDefault)
{
    for (const TvnLayoutObject& o : objects)
        if (o.Kind == kind && (kind == TvnObjectKind::Caption || o.Command == command)) return o.Rect;
    return QRect();
}

} // namespace

TEST(StudioFrameGeometry, FrameDescriptionIsTheOneTheWindowsWereLaidOutFor)
{
    const TvnSkinData& s = ProgramSkin();
    EXPECT_EQ(s.Geometry.Corners.LeftTop, QPoint(16, 24));
    EXPECT_EQ(s.Geometry.Corners.RightTop, QPoint(199, 24));
    EXPECT_EQ(s.Geometry.Corners.LeftBottom, QPoint(14, 137));
    EXPECT_EQ(s.Geometry.Corners.RightBottom, QPoint(200, 138));
    EXPECT_EQ(s.Geometry.ClientRect, RectLTRB(8, 24, 207, 145));
    EXPECT_EQ(s.MaskRectArea, RectLTRB(4, 4, 210, 147));
    EXPECT_EQ(s.HitTest.LeftTop, QPoint(8, 8));
    EXPECT_EQ(s.HitTest.RightTop, QPoint(206, 7));
    EXPECT_EQ(s.HitTest.LeftBottom, QPoint(5, 142));
    EXPECT_EQ(s.HitTest.RightBottom, QPoint(208, 140));
    EXPECT_EQ(s.CaptionRect, RectLTRB(10, 3, 204, 21));
    EXPECT_TRUE(vnutils::RectEmpty(s.ButtonsRect));
    EXPECT_EQ(s.ButtonsOffset, 2);
    EXPECT_EQ(s.BorderWidth, 4);
    EXPECT_EQ(s.FormMinWidth, 200);
    EXPECT_TRUE(s.AutoRenderingInactiveImage);
    EXPECT_EQ(s.InactiveEffect, TvnInactiveEffect::ieDarkness);
}

TEST(StudioFrameGeometry, ClientInsetIsEightTwentyFourEightFourAtAnySize)
{
    const TvnSkinData& s = ProgramSkin();
    for (const QSize size :
        { QSize(215, 149), QSize(200, 28), QSize(416, 320), QSize(800, 600), QSize(1920, 1050) }) {
        const QRect window(QPoint(37, 51), size);
        const QRect client = SkinnedClientRect(s, Picture(), window);
        EXPECT_EQ(client.x() - window.x(), 8) << size.width();
        EXPECT_EQ(client.y() - window.y(), 24) << size.width();
        EXPECT_EQ(RectRight(window) - RectRight(client), 8) << size.width();
        EXPECT_EQ(RectBottom(window) - RectBottom(client), 4) << size.width();
        // The frame's own client rectangle (frame coordinates) says the same.
        EXPECT_EQ(
            UpdateFrameGeometry(s, Picture(), size).NewClientRect, client.translated(-window.topLeft()));
    }
}

TEST(StudioFrameGeometry, SmallestFrameIs200By28)
{
    const TvnSkinData& s = ProgramSkin();
    EXPECT_EQ(GetMinWidth(&s, Picture(), {}), 200);
    EXPECT_EQ(GetMinHeight(&s, Picture(), {}), 28);
    // A minimized (or rolled-up) window is exactly that bar, whatever the form asks.
    TvnFrameLimits minimized;
    minimized.MinWidth = 300;
    minimized.MinHeight = 100;
    minimized.Minimized = true;
    EXPECT_EQ(GetMinWidth(&s, Picture(), minimized), 200);
    EXPECT_EQ(GetMinHeight(&s, Picture(), minimized), 28);
    minimized.Minimized = false;
    EXPECT_EQ(GetMinWidth(&s, Picture(), minimized), 300);
    EXPECT_EQ(GetMinHeight(&s, Picture(), minimized), 100);
    // Without a skin: a 19-pixel caption and 3-pixel borders.
    EXPECT_EQ(GetMinWidth(nullptr, QSize(), {}), 120);
    EXPECT_EQ(GetMinHeight(nullptr, QSize(), {}), 25);
}

TEST(StudioFrameGeometry, CaptionButtonsOfTheProductsWindowsAtWidth800)
{
    // The windows enable only minimize: close and minimize show, from the right edge of
    // the caption, and the caption gives way to them.
    std::vector<TvnLayoutObject> objects = CaptionObjects(veneer::biMinimize);
    LayoutObjects(objects, ProgramSkin(), Picture(), QSize(800, 600));
    const int r = 204 + (800 - 215);
    EXPECT_EQ(RectOf(objects, TvnObjectKind::StdButton, TvnSkinCommand::cmClose), RectLTRB(r - 18, 3, r, 21));
    EXPECT_EQ(RectOf(objects, TvnObjectKind::StdButton, TvnSkinCommand::cmMinimize),
        RectLTRB(r - 38, 3, r - 20, 21));
    const QRect caption = RectOf(objects, TvnObjectKind::Caption);
    EXPECT_EQ(caption.x(), 10);
    EXPECT_EQ(RectRight(caption), r - 38);
    for (const TvnLayoutObject& o : objects) {
        if (o.Kind != TvnObjectKind::StdButton) continue;
        const bool shown = o.Command == TvnSkinCommand::cmClose || o.Command == TvnSkinCommand::cmMinimize;
        EXPECT_EQ(o.Shown, shown);
    }
}

TEST(StudioFrameGeometry, AllCaptionButtonsAtWidth800)
{
    // With the frame's default icons the row is close, maximize, minimize, roll-up, and
    // the system-menu button opens the caption.
    std::vector<TvnLayoutObject> objects
        = CaptionObjects(veneer::biSystemMenu | veneer::biMinimize | veneer::biMaximize | veneer::biRollUp);
    LayoutObjects(objects, ProgramSkin(), Picture(), QSize(800, 600));
    const int r = 789;
    EXPECT_EQ(RectOf(objects, TvnObjectKind::StdButton, TvnSkinCommand::cmClose), RectLTRB(r - 18, 3, r, 21));
    EXPECT_EQ(RectOf(objects, TvnObjectKind::StdButton, TvnSkinCommand::cmMaximize),
        RectLTRB(r - 38, 3, r - 20, 21));
    EXPECT_EQ(RectOf(objects, TvnObjectKind::StdButton, TvnSkinCommand::cmMinimize),
        RectLTRB(r - 58, 3, r - 40, 21));
    EXPECT_EQ(
        RectOf(objects, TvnObjectKind::StdButton, TvnSkinCommand::cmRollUp), RectLTRB(r - 78, 3, r - 60, 21));
    EXPECT_EQ(RectOf(objects, TvnObjectKind::StdButton, TvnSkinCommand::cmSysMenu), RectLTRB(10, 3, 28, 21));
    EXPECT_EQ(RectOf(objects, TvnObjectKind::Caption), RectLTRB(28, 3, r - 78, 21));
}

TEST(StudioFrameGeometry, SizingCornersFollowTheFrame)
{
    const TvnFrameGeometry g = UpdateFrameGeometry(ProgramSkin(), Picture(), QSize(800, 600));
    const int dx = 800 - 215, dy = 600 - 149;
    EXPECT_EQ(g.HitTest.LeftTop, QPoint(8, 8));
    EXPECT_EQ(g.HitTest.RightTop, QPoint(206 + dx, 7));
    EXPECT_EQ(g.HitTest.LeftBottom, QPoint(5, 142 + dy));
    EXPECT_EQ(g.HitTest.RightBottom, QPoint(208 + dx, 140 + dy));
    EXPECT_EQ(g.NewMaskRectArea, RectLTRB(4, 4, 210 + dx, 147 + dy));
    EXPECT_EQ(g.NewCaptionRect, RectLTRB(10, 3, 204 + dx, 21));
    EXPECT_EQ(g.Corners.RightBottom, QPoint(200 + dx, 138 + dy));
}

TEST(StudioFrameGeometry, GroupBoxCaptionStretchesWithTheBox)
{
    // A 409 x 105 group box draws its caption across 3,3 .. 406,18.
    const auto& group = RecordNamed<TvnDataSkinPanelControl>("groupbox");
    const TvnCornerPoints corners { group.Geometry.Corners.LeftTop, group.Geometry.Corners.RightTop,
        group.Geometry.Corners.LeftBottom, group.Geometry.Corners.RightBottom };
    EXPECT_EQ(MoveWithCorners(group.CaptionRect, corners, group.SkinRect.size(), 409 - 60, 105 - 54),
        RectLTRB(3, 3, 406, 18));
}
