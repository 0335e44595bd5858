// The records the product's windows and the directory dialog look up, with the values
// their layouts rely on.
#include "StudioSkinFixture.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QSet>
#include <functional>
#include <typeinfo>

using namespace studiotest;
using vnutils::RectLTRB;

namespace {

template <class T> bool Is(const TvnDataSkinControl* r) { return dynamic_cast<const T*>(r) != nullptr; }

struct TNamedRecord {
    const char* Name;
    bool (*HasClass)(const TvnDataSkinControl*);
};

// Every record the windows and the directory dialog name, with the class their control
// accepts.
const TNamedRecord kWindowRecords[] = {
    { "button", Is<TvnDataSkinButtonControl> },
    { "checkbox", Is<TvnDataSkinCheckRadioControl> },
    { "radiobox", Is<TvnDataSkinCheckRadioControl> },
    { "panel", Is<TvnDataSkinPanelControl> },
    { "groupbox", Is<TvnDataSkinPanelControl> },
    { "stdlabel", Is<TvnDataSkinStdLabelControl> },
    { "label", Is<TvnDataSkinLabelControl> },
    { "tab", Is<TvnDataSkinTabControl> },
    { "edit", Is<TvnDataSkinEditControl> },
    { "buttonedit", Is<TvnDataSkinEditControl> },
    { "tooledit", Is<TvnDataSkinEditControl> },
    { "grid", Is<TvnDataSkinGridControl> },
    { "hscrollbar", Is<TvnDataSkinScrollBarControl> },
    { "vscrollbar", Is<TvnDataSkinScrollBarControl> },
    { "bothhscrollbar", Is<TvnDataSkinScrollBarControl> },
    { "treeview", Is<TvnDataSkinTreeView> },
    { "toolpanel", Is<TvnDataSkinPanelControl> },
    { "toolbutton", Is<TvnDataSkinButtonControl> },
    { "updown", Is<TvnDataSkinUpDownControl> },
    { "vupdown", Is<TvnDataSkinUpDownControl> },
    { "hupdown", Is<TvnDataSkinUpDownControl> },
    { "listbox", Is<TvnDataSkinListBox> },
    { "combobox", Is<TvnDataSkinComboBox> },
    { "gauge", Is<TvnDataSkinGaugeControl> },
    { "bevel", Is<TvnDataSkinBevel> },
};

} // namespace

TEST(StudioSkinRecords, EveryRecordTheWindowsNameIsFoundWithItsClass)
{
    const TvnSkinData& skin = ProgramSkin();
    for (const TNamedRecord& r : kWindowRecords) {
        const int index = skin.FindControlSkin(QString::fromLatin1(r.Name));
        ASSERT_GE(index, 0) << r.Name;
        EXPECT_TRUE(r.HasClass(skin.ControlSkin(index))) << r.Name;
    }
}

TEST(StudioSkinRecords, EveryKindOfTheFormatHasALookAndEveryRecordIsListedOnce)
{
    // Each kind of [SKINCONTROLS] is used at least once, so the skin exercises the whole
    // format; no name stands twice (a second record of a name could never be found).
    const TvnSkinData& skin = ProgramSkin();
    QSet<QString> names;
    QSet<QString> classes;
    for (const auto& record : skin.ControlSkins()) {
        EXPECT_FALSE(names.contains(record->IDName)) << record->IDName.toStdString();
        names.insert(record->IDName);
        classes.insert(QString::fromLatin1(typeid(*record).name()));
    }
    EXPECT_EQ(classes.size(), 28); // every record class a kind selects
    EXPECT_EQ(skin.ControlSkins().size(), 65u);
}

TEST(StudioSkinRecords, ThirteenFrameObjectsInTheirOrder)
{
    const TvnSkinData& skin = ProgramSkin();
    const char* expected[] = { "caption", "maxbutton", "minbutton", "sysmenubutton", "closebutton",
        "rollupbutton", "traybutton", "menuitem", "mainmenubaritem", "menubarsysmenubutton",
        "menubarclosebutton", "menubarmaxbutton", "menubarminbutton" };
    ASSERT_EQ(skin.FrameObjects().size(), 13u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(skin.FrameObjects()[i]->IDName, QString::fromLatin1(expected[i]));
        EXPECT_EQ(skin.FindFrameObject(QString::fromLatin1(expected[i])), i);
    }
    EXPECT_NE(dynamic_cast<const TvnDataSkinCaption*>(skin.FrameObject(0)), nullptr);
    for (int i = 1; i <= 6; ++i) {
        const auto* button = dynamic_cast<const TvnDataSkinStdButton*>(skin.FrameObject(i));
        ASSERT_NE(button, nullptr) << expected[i];
        EXPECT_EQ(dynamic_cast<const TvnDataSkinMainMenuBarButton*>(button), nullptr) << expected[i];
    }
    EXPECT_NE(dynamic_cast<const TvnDataSkinMenuItem*>(skin.FrameObject(7)), nullptr);
    EXPECT_NE(dynamic_cast<const TvnDataSkinMainMenuBarItem*>(skin.FrameObject(8)), nullptr);
    for (int i = 9; i < 13; ++i)
        EXPECT_NE(dynamic_cast<const TvnDataSkinMainMenuBarButton*>(skin.FrameObject(i)), nullptr)
            << expected[i];
}

TEST(StudioSkinRecords, CaptionButtonsHaveAllTheirLooksInTheirOwnPictures)
{
    const TvnSkinData& skin = ProgramSkin();
    for (const char* name :
        { "maxbutton", "minbutton", "sysmenubutton", "closebutton", "rollupbutton", "traybutton" }) {
        const auto* b = dynamic_cast<const TvnDataSkinStdButton*>(
            skin.FrameObject(skin.FindFrameObject(QString::fromLatin1(name))));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_TRUE(b->SkinRectInAPicture) << name;
        const QImage picture = skin.Picture(b->ActivePictureIndex);
        ASSERT_FALSE(picture.isNull()) << name;
        for (const QRect& look :
            { b->SkinRect, b->ActiveSkinRect, b->DownRect, b->InactiveSkinRect, b->DisableSkinRect }) {
            EXPECT_EQ(look.size(), QSize(18, 18)) << name;
            EXPECT_TRUE(picture.rect().contains(look)) << name;
        }
        const bool restores = b->Command == TvnSkinCommand::cmMaximize
            || b->Command == TvnSkinCommand::cmMinimize || b->Command == TvnSkinCommand::cmRollUp;
        for (const QRect& look :
            { b->RestoreRect, b->RestoreActiveRect, b->RestoreDownRect, b->RestoreInactiveRect })
            EXPECT_EQ(look.size(), restores ? QSize(18, 18) : QSize(0, 0)) << name;
        EXPECT_FALSE(skin.Picture(b->GlowLayerPictureIndex).isNull()) << name;
        EXPECT_EQ(
            skin.Picture(b->GlowLayerMaskPictureIndex).size(), skin.Picture(b->GlowLayerPictureIndex).size())
            << name;
    }
}

TEST(StudioSkinRecords, TheValuesTheWindowsAreLaidOutWith)
{
    const TvnSkinData& skin = ProgramSkin();
    // Labels: light grey text on dark faces.
    EXPECT_EQ(RecordNamed<TvnDataSkinStdLabelControl>("stdlabel").FontColor, 14408408u);

    // Push buttons: picture 3, the glow from pictures 14 and 15 at 100.
    const auto& button = RecordNamed<TvnDataSkinButtonControl>("button");
    EXPECT_EQ(button.PictureIndex, 3);
    EXPECT_EQ(button.GlowLayerPictureIndex, 14);
    EXPECT_EQ(button.GlowLayerMaskPictureIndex, 15);
    EXPECT_EQ(button.GlowLayerAlphaBlendValue, 100);
    for (const QRect& face :
        { button.ActiveSkinRect, button.DownSkinRect, button.FocusedSkinRect, button.DisabledSkinRect })
        EXPECT_EQ(face.size(), button.SkinRect.size());

    // Group boxes: a 60 x 54 face growing both ways, the caption at 3,3 .. 57,18.
    const auto& group = RecordNamed<TvnDataSkinPanelControl>("groupbox");
    EXPECT_EQ(group.SkinRect.size(), QSize(60, 54));
    EXPECT_NE(group.Geometry.Corners.RightBottom.x(), 0);
    EXPECT_NE(group.Geometry.Corners.RightBottom.y(), 0);
    EXPECT_EQ(group.CaptionRect, RectLTRB(3, 3, 57, 18));
    EXPECT_TRUE(vnutils::RectEmpty(RecordNamed<TvnDataSkinPanelControl>("panel").CaptionRect));

    // Grids: 17-pixel rows of 38-pixel cells with 10-pixel ends.
    const auto& grid = RecordNamed<TvnDataSkinGridControl>("grid");
    EXPECT_EQ(grid.SelectCellRect, RectLTRB(231, 205, 269, 222));
    EXPECT_EQ(grid.FocusCellRect.height(), 17);
    EXPECT_EQ(grid.FixedCellRect.height(), 17);
    EXPECT_EQ(grid.CellLeftOffset, 10);
    EXPECT_EQ(grid.CellRightOffset, 10);

    // Edits are 21 pixels high (a field declared 18 high grows to 21); tabs 20.
    EXPECT_EQ(RecordNamed<TvnDataSkinEditControl>("edit").SkinRect.size(), QSize(57, 21));
    EXPECT_EQ(RecordNamed<TvnDataSkinTabControl>("tab").TabRect.height(), 20);
    EXPECT_EQ(RecordNamed<TvnDataSkinTabControl>("tab").UpDown, QStringLiteral("updown"));
    // The list box's scroll bars are records of this skin.
    const auto& list = RecordNamed<TvnDataSkinListBox>("listbox");
    for (const QString& bar : { list.VScrollBarName, list.HScrollBarName, list.BothHScrollBarName })
        EXPECT_NE(skin.ControlSkinAs<TvnDataSkinScrollBarControl>(skin.FindControlSkin(bar)), nullptr)
            << bar.toStdString();
}

TEST(StudioSkinRecords, EveryRectangleLiesInsideItsPicture)
{
    // A look cut outside its picture would draw garbage or nothing.
    const TvnSkinData& skin = ProgramSkin();
    for (const auto& record : skin.ControlSkins()) {
        if (vnutils::RectEmpty(record->SkinRect)) continue;
        const QImage picture = skin.Picture(record->PictureIndex);
        ASSERT_FALSE(picture.isNull()) << record->IDName.toStdString();
        EXPECT_TRUE(picture.rect().contains(record->SkinRect)) << record->IDName.toStdString();
        const auto* custom = dynamic_cast<const TvnDataSkinCustomControl*>(record.get());
        if (custom && !vnutils::RectEmpty(custom->Geometry.ClientRect)) {
            EXPECT_TRUE(QRect(QPoint(), custom->SkinRect.size()).contains(custom->Geometry.ClientRect))
                << record->IDName.toStdString();
        }
    }
}
