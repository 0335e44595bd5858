#include "SkinFixture.h"
#include "skin/data/vnSkinData/ByteReader.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnSkinData/ZlibBlock.h"

#include <gtest/gtest.h>

using vnutils::RectEmpty;
using vnutils::RectLTRB;

using namespace skintest;

namespace {

// A small skin shaped like the studio's: a 215 x 149 frame picture and mask, two
// numbered pictures, frame objects and control records.
QByteArray StudioLikeDescription(const QByteArray& more = QByteArray())
{
    return Section("VERSION",
               { "skinname=Marble", "skinauthor=Quira", "authoremail=dev@quira.test", "authorurl=quira.test",
                   "skincomments=test skin", "ver=2" })
        + Section("PICTURES",
            { "picture=main.bmp", "inactivepicture=", "mask=mask.bmp", "activepicturescount=2",
                "0=controls.bmp", "1=glow.bmp" })
        + Section("FORMINFO",
            { "lefttoppoint=16,24", "righttoppoint=199,24", "leftbottompoint=14,137",
                "rightbottompoint=200,138", "clientrect=8,24,207,145", "maskrectarea=4,4,210,147",
                "hittestlefttoppoint=8,8", "hittestrighttoppoint=206,7", "hittestleftbottompoint=5,142",
                "hittestrightbottompoint=208,140", "captionrect=10,3,204,21", "buttonsoffset=2",
                "borderwidth=4", "inactiveeffect=iedarkness", "formminwidth=200", "topstretch=1",
                "stretchtype=stvert" })
        + Section(
            "POPUPWINDOW", { "windowpictureindex=0", "itemsrect=2,2,50,60", "scrollmarkercolor=4801342" })
        + Section("HINTWINDOW", { "fontname=Tahoma", "fontstyle=fsbold", "clientrect=3,3,20,20" })
        + Section("SKINCOLORS", { "cbtnface=14408408", "cwindowtext=0" })
        + Section("SKINOBJECTS",
            { "count=6", "0=caption:caption", "1=maxbutton:stdbutton", "2=broken entry", "3=dup:button",
                "4=dup:stdbutton", "5=mystery:gadget" })
        + Section("caption", { "skinrect=9, 4, 205, 21", "fontstyle=fsbold", "alignment=taleftjustify" })
        + Section("maxbutton", { "hint=Maximize", "command=cmmaximize", "skinrect=150,4,166,20" })
        + Section("SKINCONTROLS",
            { "count=5", "0=button:button", "1=groupbox:panel", "2=shouty:Panel",
                "3=toolmenubutton:menubutton", "4=stdlabel:stdlabel" })
        + Section("BUTTON",
            { "pictureindex=0", "skinrect=0,0,70,25", "glowlayerpictureindex=1",
                "glowlayeralphablendvalue=100" })
        + Section("GroupBox", { "pictureindex=0", "captionrect=4,0,60,14" })
        + Section("LAYERFRAME", { "x=1" }) + more;
}

struct StudioLikeSkin {
    SkinFolder folder;
    TvnCompressedStoredSkin stored;

    explicit StudioLikeSkin(const QByteArray& more = QByteArray())
    {
        folder.AddPicture("main.bmp", SolidImage(215, 149, qRgb(90, 80, 70)));
        folder.AddPicture("mask.bmp", MaskImage(215, 149, QRect(4, 4, 206, 143)));
        folder.AddPicture("controls.bmp", SolidImage(120, 60, qRgb(1, 2, 3)));
        folder.AddPicture("glow.bmp", SolidImage(80, 30, qRgb(250, 240, 230)));
        EXPECT_TRUE(stored.CompressFromIniFile(folder.WriteDescription(StudioLikeDescription(more))));
    }
};

} // namespace

TEST(SkinStore, StartsEmptyWithSystemDefaults)
{
    TvnSkinData store;
    EXPECT_TRUE(store.Empty());
    EXPECT_FALSE(store.SkinChanging());
    EXPECT_TRUE(store.SkinnableForm());
    EXPECT_TRUE(store.EnableSkinEffects());
    EXPECT_EQ(store.SkinIndex(), 0);
    EXPECT_EQ(store.BGPictureIndex, -1);
    EXPECT_EQ(store.MDIBGPictureIndex, -1);
    EXPECT_EQ(store.InactiveEffect, TvnInactiveEffect::ieBrightness);
    EXPECT_EQ(store.SkinColors.cBtnFace, clr::clBtnFace);
    EXPECT_EQ(store.SkinColors.cBtnShadow, clr::clBtnShadow);
    EXPECT_EQ(store.PopupWindow.WindowPictureIndex, -1);
    EXPECT_EQ(store.HintWindow.FontName, "Arial");
    EXPECT_EQ(store.HintWindow.FontHeight, 12);
    EXPECT_EQ(store.FindControlSkin("button"), -1);
}

TEST(SkinStore, LoadsEverySectionOfAPackedSkin)
{
    StudioLikeSkin skin;
    TvnSkinData store;
    store.SetCompressedStoredSkin(&skin.stored);
    ASSERT_FALSE(store.Empty());
    EXPECT_FALSE(store.SkinChanging());

    EXPECT_EQ(store.SkinName, "Marble");
    EXPECT_EQ(store.AuthorURL, "quira.test");
    EXPECT_EQ(store.SkinComments, "test skin");
    EXPECT_EQ(store.MainPicture.size(), QSize(215, 149));
    EXPECT_EQ(store.MainPicture.pixel(100, 100), qRgb(90, 80, 70));
    EXPECT_TRUE(store.InactiveMainPicture.isNull());
    EXPECT_EQ(store.MainMask.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(store.MainMask.pixel(100, 100), qRgb(0, 0, 0));
    ASSERT_EQ(store.Pictures.size(), 2);
    EXPECT_EQ(store.Picture(1).size(), QSize(80, 30));
    EXPECT_TRUE(store.Picture(2).isNull());
    EXPECT_TRUE(store.Picture(-1).isNull());
    EXPECT_EQ(store.PictureNames, QStringList({ "controls.bmp", "glow.bmp" }));
    EXPECT_EQ(store.MaskPictureName, "mask.bmp");

    EXPECT_EQ(store.Geometry.Corners.LeftTop, QPoint(16, 24));
    EXPECT_EQ(store.Geometry.Corners.RightBottom, QPoint(200, 138));
    EXPECT_EQ(store.Geometry.ClientRect, RectLTRB(8, 24, 207, 145));
    EXPECT_EQ(store.MaskRectArea, RectLTRB(4, 4, 210, 147));
    EXPECT_EQ(store.HitTest.RightTop, QPoint(206, 7));
    EXPECT_EQ(store.CaptionRect, RectLTRB(10, 3, 204, 21));
    EXPECT_EQ(store.ButtonsOffset, 2);
    EXPECT_EQ(store.BorderWidth, 4);
    EXPECT_EQ(store.FormMinWidth, 200);
    EXPECT_EQ(store.InactiveEffect, TvnInactiveEffect::ieDarkness);
    EXPECT_TRUE(store.Geometry.TopStretch);
    EXPECT_FALSE(store.Geometry.LeftStretch);
    EXPECT_EQ(store.Geometry.StretchType, TvnStretchType::Vert);
    EXPECT_EQ(store.MDIBGStretchType, TvnStretchType::Full);

    EXPECT_EQ(store.PopupWindow.WindowPictureIndex, 0);
    EXPECT_EQ(store.PopupWindow.MaskPictureIndex, -1);
    EXPECT_EQ(store.PopupWindow.ScrollMarkerColor, 4801342u);
    EXPECT_EQ(store.HintWindow.FontName, "Tahoma");
    EXPECT_EQ(store.HintWindow.FontHeight, 14);
    EXPECT_EQ(store.HintWindow.FontStyle, TFontStyles(fsBold));
    EXPECT_EQ(store.SkinColors.cBtnFace, 14408408u);
    EXPECT_EQ(store.SkinColors.cWindowText, 0u);
    EXPECT_EQ(store.SkinColors.cWindow, clr::clWindow);
}

TEST(SkinStore, ListsRecordsAndFindsTheFirstOfEqualNamesExactly)
{
    StudioLikeSkin skin;
    TvnSkinData store;
    store.SetCompressedStoredSkin(&skin.stored);

    // The entry without a colon and the unknown kind are skipped; the rest load.
    ASSERT_EQ(store.FrameObjects().size(), 4u);
    EXPECT_EQ(store.FindFrameObject("caption"), 0);
    EXPECT_EQ(store.FindFrameObject("Caption"), -1);
    EXPECT_EQ(store.FindFrameObject("mystery"), -1);
    const int dup = store.FindFrameObject("dup");
    EXPECT_EQ(dup, 2);
    EXPECT_EQ(dynamic_cast<TvnDataSkinStdButton*>(store.FrameObject(dup)), nullptr);

    auto* caption = dynamic_cast<TvnDataSkinCaption*>(store.FrameObject(0));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->SkinRect, RectLTRB(9, 4, 205, 21));
    EXPECT_EQ(caption->FontStyle, TFontStyles(fsBold));
    EXPECT_EQ(caption->Alignment, taLeftJustify);
    auto* max = dynamic_cast<TvnDataSkinStdButton*>(store.FrameObject(store.FindFrameObject("maxbutton")));
    ASSERT_NE(max, nullptr);
    EXPECT_EQ(max->Command, TvnSkinCommand::cmMaximize);
    EXPECT_EQ(max->RestoreHint, "Restore");

    // "shouty:Panel" is skipped: kinds compare exactly, section names do not.
    ASSERT_EQ(store.ControlSkins().size(), 4u);
    EXPECT_EQ(store.FindControlSkin("shouty"), -1);
    const int group = store.FindControlSkin("groupbox");
    EXPECT_EQ(store.FindControlSkin("panel"), -1);
    auto* panel = store.ControlSkinAs<TvnDataSkinPanelControl>(group);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->CaptionRect, RectLTRB(4, 0, 60, 14));
    auto* button = store.ControlSkinAs<TvnDataSkinButtonControl>(store.FindControlSkin("button"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GlowLayerPictureIndex, 1);
    EXPECT_EQ(button->GlowLayerMaskPictureIndex, -1);
    EXPECT_EQ(button->GlowLayerAlphaBlendValue, 100);
    EXPECT_EQ(button->SkinRect, RectLTRB(0, 0, 70, 25));
    EXPECT_NE(
        store.ControlSkinAs<TvnDataSkinButtonControl>(store.FindControlSkin("toolmenubutton")), nullptr);
    EXPECT_EQ(store.ControlSkinAs<TvnDataSkinButtonControl>(group), nullptr);
    auto* label = store.ControlSkinAs<TvnDataSkinStdLabelControl>(store.FindControlSkin("stdlabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->ActiveFontColor, 16711680u);
    EXPECT_EQ(label->PictureIndex, -1);
    EXPECT_EQ(store.ControlSkin(99), nullptr);
    EXPECT_EQ(store.ControlSkin(-1), nullptr);
}

TEST(SkinStore, FormInfoCorrections)
{
    struct Case {
        const char* name;
        QByteArray mask;
        std::initializer_list<const char*> formInfo;
        QRect maskArea;
        QPoint hitTestLeftTop, leftTop, rightTop, leftBottom, rightBottom;
    };
    const Case cases[] = {
        // An empty mask area becomes the client rectangle; hit-test points on an axis
        // take the corner point; corners move into the client rectangle.
        { "empty mask area", "mask=m.bmp",
            { "clientrect=10,20,100,90", "lefttoppoint=5,25", "righttoppoint=120,15", "leftbottompoint=3,95",
                "rightbottompoint=110,99", "hittestlefttoppoint=0,7" },
            RectLTRB(10, 20, 100, 90), QPoint(5, 25), QPoint(10, 25), QPoint(100, 20), QPoint(10, 90),
            QPoint(100, 90) },
        // A mask area is widened to hold the client rectangle.
        { "narrow mask area", "mask=m.bmp",
            { "clientrect=10,20,100,90", "maskrectarea=12,5,90,95", "lefttoppoint=20,30",
                "righttoppoint=90,30", "leftbottompoint=20,80", "rightbottompoint=90,80",
                "hittestlefttoppoint=3,4" },
            RectLTRB(10, 5, 100, 95), QPoint(3, 4), QPoint(20, 30), QPoint(90, 30), QPoint(20, 80),
            QPoint(90, 80) },
        // Without a mask neither the mask area nor the hit-test points change.
        { "no mask", "",
            { "clientrect=10,20,100,90", "hittestlefttoppoint=0,7", "lefttoppoint=1,2",
                "rightbottompoint=3,4" },
            QRect(), QPoint(0, 7), QPoint(10, 20), QPoint(0, 20), QPoint(10, 0), QPoint(3, 4) },
        // A hit-test point on the top edge takes its corner point as written, too.
        { "hit-test point on the top edge", "mask=m.bmp",
            { "clientrect=10,20,100,90", "lefttoppoint=15,25", "righttoppoint=90,25", "leftbottompoint=15,80",
                "rightbottompoint=90,80", "hittestlefttoppoint=7,0" },
            RectLTRB(10, 20, 100, 90), QPoint(15, 25), QPoint(15, 25), QPoint(90, 25), QPoint(15, 80),
            QPoint(90, 80) },
        // Corner points sharing a row with the right bottom point stay as written.
        { "same row", "",
            { "clientrect=10,20,100,90", "lefttoppoint=5,5", "righttoppoint=200,5", "leftbottompoint=1,300",
                "rightbottompoint=300,5" },
            QRect(), QPoint(), QPoint(5, 5), QPoint(200, 5), QPoint(1, 300), QPoint(300, 5) },
        // Corner points sharing a column with the right bottom point stay as written.
        { "same column", "",
            { "clientrect=10,20,100,90", "lefttoppoint=5,5", "righttoppoint=200,5",
                "rightbottompoint=5,300" },
            QRect(), QPoint(), QPoint(5, 5), QPoint(200, 5), QPoint(0, 0), QPoint(5, 300) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray formInfo = "[FORMINFO]\r\n";
        for (const char* line : c.formInfo)
            formInfo += QByteArray(line) + "\r\n";
        const QByteArray text = Section("PICTURES", { c.mask.constData() }) + formInfo;
        QImage mask = MaskImage(4, 4, QRect(0, 0, 2, 2));
        auto stored = StoredSkinOf(ContainerBytes(3, { QImage(), QImage(), mask }, {}, text));
        TvnSkinData store;
        store.LoadCompressedSkin(stored.get());
        EXPECT_EQ(store.MaskRectArea, c.maskArea);
        EXPECT_EQ(store.HitTest.LeftTop, c.hitTestLeftTop);
        EXPECT_EQ(store.Geometry.Corners.LeftTop, c.leftTop);
        EXPECT_EQ(store.Geometry.Corners.RightTop, c.rightTop);
        EXPECT_EQ(store.Geometry.Corners.LeftBottom, c.leftBottom);
        EXPECT_EQ(store.Geometry.Corners.RightBottom, c.rightBottom);
    }
}

TEST(SkinStore, ContainerLayouts)
{
    const QImage a = SolidImage(3, 2, qRgb(255, 0, 0));
    const QImage b = SolidImage(4, 1, qRgb(0, 255, 0));
    const QImage c = SolidImage(1, 5, qRgb(0, 0, 255));
    const QByteArray text = "[VERSION]\r\nskinname=Layout\r\n[HINTWINDOW]\r\nfontname=Last";

    {
        SCOPED_TRACE("inactive flag 1: the mask comes from the next byte; no final line end");
        auto stored = StoredSkinOf(ContainerBytes(3, { a, QImage(), b }, { c }, text));
        TvnSkinData store;
        store.LoadCompressedSkin(stored.get());
        EXPECT_EQ(store.MainPicture.size(), QSize(3, 2));
        EXPECT_TRUE(store.InactiveMainPicture.isNull());
        EXPECT_EQ(store.MainMask.size(), QSize(4, 1));
        ASSERT_EQ(store.Pictures.size(), 1);
        EXPECT_EQ(store.Picture(0).pixel(0, 4), qRgb(0, 0, 255));
        EXPECT_EQ(store.HintWindow.FontName, "Last");
    }
    {
        SCOPED_TRACE("N = 0: the text starts right after the count");
        auto stored = StoredSkinOf(ContainerBytes(3, { QImage(), QImage(), QImage() }, {}, text));
        TvnSkinData store;
        store.LoadCompressedSkin(stored.get());
        EXPECT_FALSE(store.Empty());
        EXPECT_TRUE(store.Pictures.isEmpty());
        EXPECT_EQ(store.SkinName, "Layout");
    }
    {
        SCOPED_TRACE("version 2: five records, the last two dropped");
        auto stored = StoredSkinOf(ContainerBytes(2, { a, b, c, b, a }, { c }, text));
        TvnSkinData store;
        store.LoadCompressedSkin(stored.get());
        EXPECT_EQ(store.MainPicture.size(), QSize(3, 2));
        EXPECT_EQ(store.InactiveMainPicture.size(), QSize(4, 1));
        EXPECT_EQ(store.MainMask.size(), QSize(1, 5));
        ASSERT_EQ(store.Pictures.size(), 1);
        EXPECT_EQ(store.Picture(0).size(), QSize(1, 5));
        EXPECT_EQ(store.SkinName, "Layout");
    }
}

TEST(SkinStore, EmptyStoredSkinLeavesTheStoreUntouched)
{
    StudioLikeSkin skin;
    TvnSkinData store;
    store.SetCompressedStoredSkin(&skin.stored);
    TvnCompressedStoredSkin empty;
    store.SetCompressedStoredSkin(&empty);
    EXPECT_EQ(store.CompressedStoredSkin(), &empty);
    EXPECT_FALSE(store.Empty());
    EXPECT_EQ(store.SkinName, "Marble");
    EXPECT_EQ(store.Pictures.size(), 2);
}

TEST(SkinStore, ANewLoadReplacesTheOldSkinCompletely)
{
    StudioLikeSkin skin;
    TvnSkinData store;
    store.SetCompressedStoredSkin(&skin.stored);
    auto plain = StoredSkinOf(
        ContainerBytes(3, { QImage(), QImage(), QImage() }, {}, "[VERSION]\r\nskinname=Plain"));
    store.SetCompressedStoredSkin(plain.get());
    EXPECT_FALSE(store.Empty());
    EXPECT_EQ(store.SkinName, "Plain");
    EXPECT_EQ(store.SkinAuthor, "");
    EXPECT_TRUE(store.MainPicture.isNull());
    EXPECT_TRUE(store.MainMask.isNull());
    EXPECT_TRUE(store.Pictures.isEmpty());
    EXPECT_TRUE(store.PictureNames.isEmpty());
    EXPECT_TRUE(store.FrameObjects().empty());
    EXPECT_TRUE(store.ControlSkins().empty());
    EXPECT_EQ(store.SkinColors.cBtnFace, clr::clBtnFace);
    EXPECT_EQ(store.PopupWindow.WindowPictureIndex, -1);
    EXPECT_EQ(store.Geometry.ClientRect, QRect());
    EXPECT_EQ(store.InactiveEffect, TvnInactiveEffect::ieBrightness);
}

TEST(SkinStore, ClearSkinEmptiesTheStore)
{
    StudioLikeSkin skin;
    TvnSkinData store;
    store.SetCompressedStoredSkin(&skin.stored);
    store.ClearSkin();
    EXPECT_TRUE(store.Empty());
    EXPECT_TRUE(store.Pictures.isEmpty());
    EXPECT_TRUE(store.FrameObjects().empty());
    EXPECT_EQ(store.FindControlSkin("button"), -1);
    EXPECT_TRUE(store.MainPicture.isNull());
    EXPECT_TRUE(store.MaskPictureName.isEmpty());
    EXPECT_EQ(store.SkinColors.cBtnFace, clr::clBtnFace);
    EXPECT_EQ(store.PopupWindow.WindowPictureIndex, -1);
    EXPECT_EQ(store.HintWindow.WindowPictureIndex, -1);
}

TEST(SkinStore, FailedLoadsStopAndLeaveTheStoreEmptyAndChanging)
{
    struct Case {
        const char* name;
        QByteArray compressed;
        QString error;
    };
    QByteArray badBitmap;
    AppendInt32(badBitmap, 3);
    badBitmap += QByteArray("\0BM\x40\0\0\0", 7) + QByteArray(60, 'x');
    const QByteArray goodBlock = CompressBlock(ContainerBytes(3, { QImage(), QImage(), QImage() }, {},
        Section("SKINOBJECTS", { "count=1", "0=caption:caption" })
            + Section("caption", { "skinrect=1,2,3" })));
    QByteArray damaged = goodBlock;
    damaged[10] = static_cast<char>(damaged[10] ^ 0xFF);
    const Case cases[] = {
        { "damaged block", damaged, "compression error" },
        { "bad bitmap", CompressBlock(badBitmap), "Bitmap image is not valid" },
        { "short rectangle", goodBlock, "'' is not a valid integer value" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TvnCompressedStoredSkin stored;
        stored.SetCompressedStream(c.compressed);
        TvnSkinData store;
        EXPECT_EQ(ErrorOf([&] { store.SetCompressedStoredSkin(&stored); }), c.error);
        EXPECT_TRUE(store.Empty());
        EXPECT_TRUE(store.SkinChanging());
        EXPECT_EQ(store.FindFrameObject("caption"), -1);
    }
}

TEST(SkinStore, LaterContainerVersionsAreRefused)
{
    StudioLikeSkin skin;
    TvnSkinData store;
    store.SetCompressedStoredSkin(&skin.stored);
    auto v4
        = StoredSkinOf(ContainerBytes(4, { QImage(), QImage(), QImage() }, {}, "[VERSION]\r\nskinname=Four"));
    store.LoadCompressedSkin(v4.get());
    EXPECT_TRUE(store.Empty());
    EXPECT_FALSE(store.SkinChanging());
    EXPECT_TRUE(store.SkinName.isEmpty());
    EXPECT_EQ(store.Geometry.ClientRect, QRect());
    EXPECT_TRUE(store.FrameObjects().empty());
    EXPECT_TRUE(store.Pictures.isEmpty());
}

TEST(SkinStore, RemovedReferencesBecomeNullAndTheSkinStays)
{
    TvnSkinData store;
    {
        StudioLikeSkin skin;
        store.SetCompressedStoredSkin(&skin.stored);
        TvnResourceStrData strings;
        store.SetResourceStrData(&strings);
        EXPECT_EQ(store.ResourceStrData(), &strings);
    }
    EXPECT_EQ(store.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(store.ResourceStrData(), nullptr);
    EXPECT_FALSE(store.Empty());
    EXPECT_EQ(store.SkinName, "Marble");
}
