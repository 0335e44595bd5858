#include "SkinFixture.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnSkinData/FrameObjects.h"
#include "skin/data/vnSkinData/OtherControlSkins.h"

#include <gtest/gtest.h>

using vnutils::RectEmpty;
using vnutils::RectLTRB;

namespace {

TMemIniFile IniOf(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* line : lines)
        list.append(QLatin1String(line));
    return TMemIniFile(list);
}

template <class Record> std::unique_ptr<Record> Loaded(const QString& name, const TMemIniFile& ini)
{
    auto record = std::make_unique<Record>(name);
    record->LoadFromIni(ini);
    return record;
}

const char* const kFrameKinds[] = { "userobject", "button", "stdbutton", "mainmenubarbutton", "animate",
    "menuitem", "mainmenubaritem", "caption" };
const char* const kControlKinds[] = { "button", "menubutton", "checkradio", "panel", "expanel", "stdlabel",
    "label", "scrollbar", "tab", "edit", "memo", "grid", "listbox", "checklistbox", "combobox", "spinedit",
    "updown", "trackbar", "gauge", "splitter", "scrollbox", "controlbar", "mainmenubar", "treeview",
    "listview", "richedit", "bevel", "slider" };

// A value of the same kind as `value` (as a default record writes it) that differs
// from it and reads back unchanged. `flag` tells a flag's "0" from a number's.
QString OtherValue(const QString& key, const QString& value, bool flag, int seed)
{
    static const QHash<QString, QString> names = { { "stfull", "stvert" }, { "mkdefault", "mkpush" },
        { "tacenter", "taleftjustify" }, { "cmdefault", "cmclose" }, { "iebrightness", "ieinvert" } };
    if (names.contains(value)) return names[value];
    if (key.endsWith("fontstyle")) return "fsitalic";
    if (flag) return "1";
    const int commas = static_cast<int>(value.count(u','));
    if (commas == 3) return QStringLiteral("%1,%2,%3,%4").arg(seed).arg(seed + 1).arg(seed + 2).arg(seed + 3);
    if (commas == 1) return QStringLiteral("%1,%2").arg(seed).arg(seed + 5);
    bool number = false;
    const int n = value.toInt(&number);
    if (number) return QString::number(n + 1000 + seed);
    return QStringLiteral("text%1").arg(seed);
}

template <class Root> QStringList WrittenKeys(const Root& record, TMemIniFile& ini)
{
    record.SaveToIni(ini);
    return ini.ReadSection(record.IDName);
}

// Every key a record writes, given a value of its kind that differs from the default,
// must come back from reading: two keys filling one field, or a key read into a field
// of another kind, would lose one of them.
template <class Root>
void ExpectEveryKeyRoundTrips(std::unique_ptr<Root> (*create)(const QString&, const QString&),
    const char* kind, const QStringList& keysChangedByRules = {})
{
    SCOPED_TRACE(kind);
    TMemIniFile defaults;
    const QStringList keys = WrittenKeys(*create(kind, "rec"), defaults);
    ASSERT_FALSE(keys.isEmpty());
    EXPECT_EQ(QStringList(keys).removeDuplicates(), 0) << "a key stands twice in the class chain";

    // Flags are the keys written "0" that read 2 as false.
    TMemIniFile twos;
    for (const QString& key : keys) {
        const QString value = defaults.ReadString("rec", key, "");
        twos.WriteString("rec", key, value == "0" ? QStringLiteral("2") : value);
    }
    auto probe = create(kind, "rec");
    probe->LoadFromIni(twos);
    TMemIniFile probed;
    WrittenKeys(*probe, probed);

    TMemIniFile changed;
    int seed = 1;
    for (const QString& key : keys) {
        const QString value = defaults.ReadString("rec", key, "");
        const bool flag = value == "0" && probed.ReadString("rec", key, "") == "0";
        changed.WriteString("rec", key, OtherValue(key, value, flag, seed++));
    }
    auto record = create(kind, "rec");
    record->LoadFromIni(changed);
    TMemIniFile written;
    record->SaveToIni(written);
    EXPECT_EQ(written.ReadSection("rec"), keys);
    for (const QString& key : keys) {
        if (keysChangedByRules.contains(key)) continue;
        EXPECT_EQ(written.ReadString("rec", key, "?"), changed.ReadString("rec", key, "!"))
            << key.toStdString();
    }
}

} // namespace

TEST(SkinRecords, EveryKeyOfEveryFrameObjectKindRoundTrips)
{
    for (const char* kind : kFrameKinds)
        ExpectEveryKeyRoundTrips<TvnDataSkinObject>(&CreateFrameObject, kind, { "morphing" });
}

TEST(SkinRecords, EveryKeyOfEveryControlKindRoundTrips)
{
    for (const char* kind : kControlKinds)
        ExpectEveryKeyRoundTrips<TvnDataSkinControl>(&CreateControlSkin, kind,
            { "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect" });
}

TEST(SkinRecords, DerivedRecordsReadTheirBaseKeysFirst)
{
    TMemIniFile ini;
    CreateControlSkin("menubutton", "rec")->SaveToIni(ini);
    const QStringList keys = ini.ReadSection("rec");
    EXPECT_EQ(
        keys.mid(0, 4), QStringList({ "pictureindex", "maskpictureindex", "skinrect", "lefttoppoint" }));
    EXPECT_EQ(keys.indexOf("fontname"), 14);
    EXPECT_EQ(keys.last(), "trackbuttonrect");

    TMemIniFile frame;
    CreateFrameObject("mainmenubarbutton", "rec")->SaveToIni(frame);
    const QStringList frameKeys = frame.ReadSection("rec");
    EXPECT_EQ(frameKeys.first(), "hint");
    EXPECT_LT(frameKeys.indexOf("glowlayeralphablendvalue"), frameKeys.indexOf("downrect"));
    EXPECT_LT(frameKeys.indexOf("disableskinrsect"), frameKeys.indexOf("command"));
    EXPECT_EQ(frameKeys.last(), "restorehint");
}

TEST(SkinRecords, KindsSelectClassesExactlyAndTheClassTestAcceptsDerivedRecords)
{
    EXPECT_EQ(CreateControlSkin("Panel", "groupbox"), nullptr);
    EXPECT_EQ(CreateFrameObject("", ""), nullptr);
    auto group = CreateControlSkin("panel", "groupbox");
    EXPECT_NE(dynamic_cast<TvnDataSkinPanelControl*>(group.get()), nullptr);
    EXPECT_EQ(group->IDName, "groupbox");

    auto menuButton = CreateControlSkin("menubutton", "toolmenubutton");
    EXPECT_NE(dynamic_cast<TvnDataSkinButtonControl*>(menuButton.get()), nullptr);
    EXPECT_EQ(dynamic_cast<TvnDataSkinButtonControl*>(CreateControlSkin("checkradio", "c").get()), nullptr);
    EXPECT_NE(dynamic_cast<TvnDataSkinEditControl*>(CreateControlSkin("memo", "m").get()), nullptr);
    EXPECT_NE(
        dynamic_cast<TvnDataSkinStdButton*>(CreateFrameObject("mainmenubarbutton", "b").get()), nullptr);
    EXPECT_NE(
        dynamic_cast<TvnDataSkinMainMenuItem*>(CreateFrameObject("mainmenubaritem", "i").get()), nullptr);
}

TEST(SkinRecords, NewAndMissingSectionRecordsHoldTheDefaults)
{
    const TMemIniFile none;
    auto button = Loaded<TvnDataSkinButtonControl>("button", none);
    EXPECT_EQ(button->PictureIndex, -1);
    EXPECT_EQ(button->MaskPictureIndex, -1);
    EXPECT_TRUE(RectEmpty(button->SkinRect));
    EXPECT_EQ(button->FontName, "Arial");
    EXPECT_EQ(button->FontHeight, 14);
    EXPECT_EQ(button->AnimateInterval, 25);
    EXPECT_EQ(button->GlowLayerPictureIndex, -1);
    EXPECT_EQ(button->GlowLayerAlphaBlendValue, 255);
    EXPECT_EQ(button->Geometry.StretchType, TvnStretchType::Full);

    EXPECT_EQ(TvnDataSkinStdLabelControl("stdlabel").ActiveFontColor, 16711680u);
    EXPECT_EQ(Loaded<TvnDataSkinStdLabelControl>("stdlabel", IniOf({ "[stdlabel]", "fontcolor=5" }))
                  ->ActiveFontColor,
        16711680u);
    const TvnDataSkinListBox list("listbox");
    EXPECT_EQ(list.VScrollBarName, "vscrollbar");
    EXPECT_EQ(list.BothHScrollBarName, "bothhscrollbar");
    EXPECT_EQ(TvnDataSkinControlBar("c").ItemOffset2, 3);
    EXPECT_EQ(TvnDataSkinAnimate("a").CountFrames, 1);
    EXPECT_EQ(TvnDataSkinAnimate("a").TimerInterval, 50);
    EXPECT_EQ(TvnDataSkinCaption("c").GlowSize, 3);
    EXPECT_EQ(TvnDataSkinStdButton("b").Command, TvnSkinCommand::cmDefault);
}

TEST(SkinRecords, SectionNamesIgnoreCase)
{
    auto record = Loaded<TvnDataSkinPanelControl>("GroupBox",
        IniOf({ "[groupbox]", "pictureindex=3", "skinrect=1,2,30,40", "alignment=taleftjustify" }));
    EXPECT_EQ(record->PictureIndex, 3);
    EXPECT_EQ(record->SkinRect, RectLTRB(1, 2, 30, 40));
    EXPECT_EQ(record->Alignment, taLeftJustify);
}

TEST(SkinRecords, RestoreHintIsImpliedOnlyForTogglingButtons)
{
    const TMemIniFile ini = IniOf(
        { "[max]", "hint=Maximize", "command=cmmaximize", "[close]", "hint=Maximize", "command=cmclose",
            "[roll]", "hint=Roll Up", "command=cmrollup", "[rollup]", "hint=RollUp", "command=cmrollup",
            "[min]", "hint=Minimize", "command=cmminimize", "restorehint=Back", "[lower]", "hint=maximize",
            "command=cmmaximize", "[anim]", "hint=Minimize", "command=cmminimize", "morphing=1" });
    EXPECT_EQ(Loaded<TvnDataSkinStdButton>("max", ini)->RestoreHint, "Restore");
    EXPECT_EQ(Loaded<TvnDataSkinStdButton>("close", ini)->RestoreHint, "");
    EXPECT_EQ(Loaded<TvnDataSkinStdButton>("roll", ini)->RestoreHint, "Restore");
    EXPECT_EQ(Loaded<TvnDataSkinMainMenuBarButton>("rollup", ini)->RestoreHint, "Restore");
    EXPECT_EQ(Loaded<TvnDataSkinStdButton>("min", ini)->RestoreHint, "Back");
    EXPECT_EQ(Loaded<TvnDataSkinStdButton>("lower", ini)->RestoreHint, "");
    auto anim = Loaded<TvnDataSkinAnimate>("anim", ini);
    EXPECT_EQ(anim->RestoreHint, "Restore");
    EXPECT_FALSE(anim->Morphing);
}

TEST(SkinRecords, RulesAfterReading)
{
    const TMemIniFile ini = IniOf(
        { "[menuitem]", "checkimagerect=1,2,11,12", "activecheckimagerect=5,5,5,9", "radioimagerect=3,3,9,9",
            "activeradioimagerect=20,20,30,30", "arrowimagerect=0,0,4,4", "[vupdown]", "lefttoppoint=2,3",
            "righttoppoint=4,5", "leftbottompoint=6,7", "rightbottompoint=8,9", "clientrect=1,1,10,10",
            "upbuttonrect=0,0,16,8", "[user]", "hint=ignored", "skinrect=1,2,3,4", "activepictureindex=5" });
    auto item = Loaded<TvnDataSkinMenuItem>("menuitem", ini);
    EXPECT_EQ(item->ActiveCheckImageRect, RectLTRB(1, 2, 11, 12));
    EXPECT_EQ(item->ActiveRadioImageRect, RectLTRB(20, 20, 30, 30));
    EXPECT_EQ(item->ActiveArrowImageRect, RectLTRB(0, 0, 4, 4));

    auto updown = Loaded<TvnDataSkinUpDownControl>("vupdown", ini);
    EXPECT_EQ(updown->Geometry.Corners.LeftTop, QPoint());
    EXPECT_EQ(updown->Geometry.Corners.RightBottom, QPoint());
    EXPECT_TRUE(updown->Geometry.ClientRect == QRect());
    EXPECT_EQ(updown->UpButtonRect, RectLTRB(0, 0, 16, 8));

    auto user = Loaded<TvnDataUserObject>("user", ini);
    EXPECT_EQ(user->SkinRect, RectLTRB(1, 2, 3, 4));
    EXPECT_EQ(user->Hint, "");
    EXPECT_EQ(user->ActivePictureIndex, -1);
}

TEST(SkinRecords, SavingErasesTheSectionFirst)
{
    TMemIniFile ini = IniOf({ "[caption]", "stale=1", "fontheight=20", "[other]", "x=1" });
    auto caption = Loaded<TvnDataSkinCaption>("caption", ini);
    caption->SaveToIni(ini);
    EXPECT_FALSE(ini.ValueExists("caption", "stale"));
    EXPECT_EQ(ini.ReadString("caption", "fontheight", ""), "20");
    EXPECT_EQ(ini.ReadString("caption", "alignment", ""), "tacenter");
    EXPECT_EQ(ini.ReadString("other", "x", ""), "1");
}
