// The frame's object layout on small frame descriptions of its own: what the studio
// skin does not exercise (buttons laid out from the left, a buttons rectangle, objects
// drawn as part of the frame picture) and the border icons' table.
#include "skin/form/Veneerform/ObjectLayout.h"

#include "skin/data/vnUtils/SkinRect.h"

#include <gtest/gtest.h>
#include <vector>

using namespace veneer;
using vnutils::RectLTRB;

namespace {

// A 100 x 60 picture: corners cut at 10 pixels, caption at 4,2 .. 96,16.
TvnSkinFormInfo SmallFrame()
{
    TvnSkinFormInfo info;
    info.Geometry.Corners.LeftTop = QPoint(10, 20);
    info.Geometry.Corners.RightTop = QPoint(90, 20);
    info.Geometry.Corners.LeftBottom = QPoint(10, 50);
    info.Geometry.Corners.RightBottom = QPoint(90, 50);
    info.Geometry.ClientRect = RectLTRB(5, 20, 95, 55);
    info.CaptionRect = RectLTRB(4, 2, 96, 16);
    info.ButtonsOffset = 1;
    return info;
}

TvnLayoutObject Button(TvnSkinCommand command)
{
    TvnLayoutObject o;
    o.Kind = TvnObjectKind::StdButton;
    o.Command = command;
    o.SkinRectInAPicture = true;
    o.SkinRect = QRect(0, 0, 12, 12);
    return o;
}

TvnLayoutObject Caption()
{
    TvnLayoutObject o;
    o.Kind = TvnObjectKind::Caption;
    o.SkinRect = RectLTRB(4, 2, 96, 16);
    return o;
}

} // namespace

TEST(ObjectLayout, ButtonsFromTheLeftAreFollowedByTheSystemMenuButtonAndTheCaption)
{
    TvnSkinFormInfo info = SmallFrame();
    info.ButtonsInLeft = true;
    std::vector<TvnLayoutObject> objects { Caption(), Button(TvnSkinCommand::cmMinimize),
        Button(TvnSkinCommand::cmSysMenu), Button(TvnSkinCommand::cmClose) };
    LayoutObjects(objects, info, QSize(100, 60), QSize(300, 200));
    EXPECT_EQ(objects[3].Rect, QRect(4, 2, 12, 12)); // close first, whatever the list order
    EXPECT_EQ(objects[1].Rect, QRect(17, 2, 12, 12));
    EXPECT_EQ(objects[2].Rect, QRect(30, 2, 12, 12));
    EXPECT_EQ(objects[0].Rect, RectLTRB(44, 2, 296, 16)); // caption stretched, then after the row
}

TEST(ObjectLayout, AButtonsRectangleInTheRightHalfFollowsTheRightEdge)
{
    TvnSkinFormInfo info = SmallFrame();
    info.ButtonsRect = RectLTRB(60, 3, 96, 15);
    std::vector<TvnLayoutObject> objects { Caption(), Button(TvnSkinCommand::cmClose),
        Button(TvnSkinCommand::cmMaximize) };
    objects[2].Shown = false; // a hidden button leaves no gap
    LayoutObjects(objects, info, QSize(100, 60), QSize(300, 200));
    EXPECT_EQ(objects[1].Rect, QRect(296 - 12, 3, 12, 12));
    // The caption is not cut by buttons of their own rectangle.
    EXPECT_EQ(objects[0].Rect, RectLTRB(4, 2, 296, 16));
}

TEST(ObjectLayout, ObjectsOfTheFramePictureFollowTheCornersTheyLieIn)
{
    const TvnCornerPoints corners { QPoint(10, 20), QPoint(90, 20), QPoint(10, 50), QPoint(90, 50) };
    const QSize skin(100, 60);
    const int dx = 200, dy = 140;
    EXPECT_EQ(MoveWithCorners(QRect(2, 2, 6, 6), corners, skin, dx, dy), QRect(2, 2, 6, 6));
    EXPECT_EQ(MoveWithCorners(QRect(92, 2, 6, 6), corners, skin, dx, dy), QRect(292, 2, 6, 6));
    EXPECT_EQ(MoveWithCorners(QRect(2, 52, 6, 6), corners, skin, dx, dy), QRect(2, 192, 6, 6));
    EXPECT_EQ(MoveWithCorners(QRect(92, 52, 6, 6), corners, skin, dx, dy), QRect(292, 192, 6, 6));
    // Reaching from one corner area into another it grows between them.
    EXPECT_EQ(MoveWithCorners(RectLTRB(2, 2, 95, 55), corners, skin, dx, dy), RectLTRB(2, 2, 295, 195));
    EXPECT_EQ(MoveWithCorners(RectLTRB(2, 2, 95, 15), corners, skin, dx, dy), RectLTRB(2, 2, 295, 15));
    EXPECT_EQ(MoveWithCorners(RectLTRB(2, 52, 95, 58), corners, skin, dx, dy), RectLTRB(2, 192, 295, 198));
    EXPECT_EQ(MoveWithCorners(RectLTRB(2, 2, 8, 55), corners, skin, dx, dy), RectLTRB(2, 2, 8, 195));
    EXPECT_EQ(MoveWithCorners(RectLTRB(92, 2, 98, 55), corners, skin, dx, dy), RectLTRB(292, 2, 298, 195));
    // The middle of an edge stays where it is drawn.
    EXPECT_EQ(MoveWithCorners(RectLTRB(40, 2, 60, 15), corners, skin, dx, dy), RectLTRB(40, 2, 60, 15));
}

TEST(ObjectLayout, BorderIconsEnableAndShowCaptionButtons)
{
    const TvnBorderIcons onlyMinimize = veneer::biMinimize;
    // Buttons with pictures of their own disappear when disabled; the frame picture's
    // own buttons stay visible, disabled.
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmMaximize, true, onlyMinimize, false, false).Shown, false);
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmMaximize, false, onlyMinimize, false, false).Shown, true);
    EXPECT_EQ(
        CaptionButtonFlags(TvnSkinCommand::cmMaximize, false, onlyMinimize, false, false).Available, false);
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmClose, true, {}, false, false).Shown, true);
    // The system menu can be switched off on its own.
    const TvnBorderIcons withMenu = veneer::biSystemMenu;
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmSysMenu, true, withMenu, false, true).Available, false);
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmSysMenu, false, withMenu, false, true).Shown, true);
    // Hidden caption buttons: all disabled, shown only when drawn by the frame picture.
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmClose, true, withMenu, true, false).Shown, false);
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmClose, false, withMenu, true, false).Available, false);
    // Default-command objects are the application's to show.
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmDefault, true, {}, false, false, true).Shown, true);
    EXPECT_EQ(CaptionButtonFlags(TvnSkinCommand::cmDefault, true, {}, false, false, false).Shown, false);
}
