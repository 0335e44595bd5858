// The key names the store reads and writes, typed here as the skin document lists them:
// a misspelt or reordered key in a key table fails here, whatever the writer does.
#include "SkinFixture.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnSkinData/FrameObjects.h"
#include "skin/data/vnSkinData/SkinFormInfo.h"
#include "skin/data/vnSkinData/SkinSections.h"

#include <gtest/gtest.h>

namespace {

template <class C> QStringList NamesOf(TvnKeyTable<C> keys)
{
    QStringList names;
    for (const TvnSkinKey<C>& key : keys)
        names.append(key.Name);
    return names;
}

// What a default record of `kind` writes, base keys first: the same table reads it.
template <class Root>
QStringList Written(std::unique_ptr<Root> (*create)(const QString&, const QString&), const char* kind)
{
    TMemIniFile ini;
    create(kind, "rec")->SaveToIni(ini);
    return ini.ReadSection("rec");
}

const QStringList kSkinObject
    = { "hint", "activepictureindex", "activemaskpictureindex", "skinrectinapicture", "skinrect",
          "activeskinrect", "inactiveskinrect", "morphing", "morphkind", "glowlayerpictureindex",
          "glowlayermaskpictureindex", "glowlayeroffsetx", "glowlayeroffsety", "glowlayeralphablendvalue" };
const QStringList kRestore = { "restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect" };
const QStringList kControl = { "pictureindex", "maskpictureindex", "skinrect" };
const QStringList kCustomControl = kControl
    + QStringList { "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect",
          "leftstretch", "topstretch", "rightstretch", "bottomstretch", "stretcheffect", "stretchtype" };

} // namespace

TEST(SkinKeyNames, StoreWideSections)
{
    EXPECT_EQ(NamesOf(TvnSkinFormInfo::Keys()),
        (QStringList { "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect",
            "bgpictureindex", "mdibgpictureindex", "leftstretch", "rightstretch", "topstretch",
            "bottomstretch", "stretcheffect", "stretchtype", "mdibgstretcheffect", "mdibgstretchtype",
            "maskrectarea", "hittestlefttoppoint", "hittestrighttoppoint", "hittestleftbottompoint",
            "hittestrightbottompoint", "buttonsrect", "captionrect", "buttonsoffset", "buttonsinleft",
            "mainmenupopupup", "borderwidth", "formminwidth", "mditabstransparent", "mainmenubartransparent",
            "autorenderinginactiveimage", "inactiveeffect" }));
    EXPECT_EQ(NamesOf(TvnDataSkinPopupWindow::Keys()),
        (QStringList { "windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint",
            "leftbottompoint", "rightbottompoint", "itemsrect", "scrollmarkercolor",
            "scrollmarkeractivecolor", "leftstretch", "rightstretch", "topstretch", "bottomstretch",
            "stretcheffect", "stretchtype" }));
    EXPECT_EQ(NamesOf(TvnDataSkinHintWindow::Keys()),
        (QStringList { "windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint",
            "leftbottompoint", "rightbottompoint", "clientrect", "fontname", "fontheight", "fontstyle",
            "fontcolor", "leftstretch", "rightstretch", "topstretch", "bottomstretch", "stretcheffect",
            "stretchtype" }));
}

TEST(SkinKeyNames, FrameObjectRecords)
{
    EXPECT_EQ(Written(&CreateFrameObject, "userobject"), (QStringList { "skinrect" }));
    const QStringList button = kSkinObject + QStringList { "downrect", "disableskinrsect" };
    EXPECT_EQ(Written(&CreateFrameObject, "button"), (button));
    const QStringList stdButton
        = button + QStringList { "command" } + kRestore + QStringList { "restorehint" };
    EXPECT_EQ(Written(&CreateFrameObject, "stdbutton"), (stdButton));
    EXPECT_EQ(Written(&CreateFrameObject, "mainmenubarbutton"), (stdButton));
    EXPECT_EQ(Written(&CreateFrameObject, "animate"),
        (kSkinObject
            + QStringList { "countframes", "cycle", "buttonstyle", "timerinterval", "command",
                "downskinrect" }
            + kRestore + QStringList { "restorehint" }));
    EXPECT_EQ(Written(&CreateFrameObject, "mainmenubaritem"),
        (kSkinObject
            + QStringList { "itemleftoffset", "itemrightoffset", "downrect", "textrect", "fontname",
                "fontheight", "fontstyle", "fontcolor", "activefontcolor", "downfontcolor",
                "unenabledfontcolor", "stretcheffect", "animateskinrect", "framecount", "animateinterval",
                "inactiveanimation" }));
}

TEST(SkinKeyNames, ControlRecordsTheWindowsUse)
{
    EXPECT_EQ(Written(&CreateControlSkin, "button"),
        (kCustomControl
            + QStringList { "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor",
                "downfontcolor", "disabledfontcolor", "activeskinrect", "downskinrect", "focusedskinrect",
                "disabledskinrect", "morphing", "morphkind", "animateskinrect", "framecount",
                "animateinterval", "showfocus", "menumarkerflatrect", "menumarkerrect",
                "menumarkeractiverect", "menumarkerdownrect", "menumarkertransparentcolor",
                "glowlayerpictureindex", "glowlayermaskpictureindex", "glowlayeroffsetleft",
                "glowlayeroffsettop", "glowlayeroffsetright", "glowlayeroffsetbottom", "glowlayershowoffsetx",
                "glowlayershowoffsety", "glowlayeralphablendvalue" }));
    EXPECT_EQ(Written(&CreateControlSkin, "checkradio"),
        (kCustomControl
            + QStringList { "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor",
                "unenabledfontcolor", "framefontcolor", "activeskinrect", "checkimagearea", "textarea",
                "checkimagerect", "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect",
                "unenabledcheckimagerect", "unenableduncheckimagerect", "grayedcheckimagerect",
                "activegrayedcheckimagerect", "morphing", "morphkind" }));
    EXPECT_EQ(Written(&CreateControlSkin, "panel"),
        (kCustomControl
            + QStringList { "bgpictureindex", "captionrect", "alignment", "fontname", "fontheight",
                "fontstyle", "fontcolor", "checkimagerect", "uncheckimagerect", "markframerect", "framerect",
                "frametextrect", "frameleftoffset", "framerightoffset", "gripperrect", "grippertransparent",
                "grippertransparentcolor" }));
    EXPECT_EQ(Written(&CreateControlSkin, "stdlabel"),
        (kControl + QStringList { "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor" }));
}
