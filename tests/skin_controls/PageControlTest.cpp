// The skinned page control: tab size and places from the record, the page inside the
// skin's client insets, the tab faces each state shows, the change events, the keyboard,
// closing tabs, and the sheets as declared data builds them.
#include "ControlSkin.h"
#include "framework/Form.h"
#include "framework/declared/DeclaredLoader.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinCtrls/SkinControlClasses.h"
#include "skin/controls/vnSkinCtrls/UpDown.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/data/vnSkinData/SkinDataClasses.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace ctltest;
using vnutils::RectLTRB;

namespace {

const QStringList kCategories { "Ampliação (12)", "Bioombo", "Outros (3)", "Álbum", "Capa" };

// The page frame is the panel area (frame kPanelFrame, client kPanelClient, insets 4 all
// round); tabs are 20 high: normal kBtnNormal, hot kBtnHot, active kBtnDown; the strip
// behind them is tiled with kFixed. A panel record lets a transparent panel show them.
QByteArray TabRecords()
{
    return QByteArray(
        "[SKINCONTROLS]\r\ncount=2\r\n0=tab:tab\r\n1=panel:panel\r\n\r\n"
        "[panel]\r\npictureindex=0\r\nskinrect=0,0,40,40\r\nlefttoppoint=8,8\r\nrighttoppoint=32,8\r\n"
        "leftbottompoint=8,32\r\nrightbottompoint=32,32\r\nclientrect=4,4,36,36\r\n\r\n"
        "[tab]\r\npictureindex=0\r\nskinrect=0,0,40,40\r\n"
        "tabrect=0,120,40,140\r\nactivetabrect=80,120,120,140\r\nmouseintabrect=40,120,80,140\r\n"
        "clientrect=4,4,36,36\r\nlefttoppoint=8,8\r\nrighttoppoint=32,8\r\n"
        "leftbottompoint=8,32\r\nrightbottompoint=32,32\r\ntableftoffset=4\r\ntabrightoffset=4\r\n"
        "tabsbgrect=150,0,180,20\r\ntabstretcheffect=1\r\nfontname=Arial\r\nfontheight=14\r\n"
        "fontcolor=0\r\nactivefontcolor=0\r\nfocusfontcolor=0\r\nmouseinfontcolor=0\r\n\r\n");
}

struct Notebook {
    TForm form;
    TvnSkinPageControl* pages = new TvnSkinPageControl(&form);
    QList<TvnSkinTabSheet*> sheets;
    int changes = 0;

    explicit Notebook(TvnSkinData* skin = nullptr, TTabPosition position = tpTop)
    {
        form.SetBounds(50, 50, 460, 240);
        pages->SetParent(form.ClientWidget());
        pages->SetBounds(8, 8, 409, 156);
        pages->SetTabPosition(position);
        for (const QString& caption : kCategories) {
            auto* sheet = new TvnSkinTabSheet(&form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
            sheets.append(sheet);
        }
        if (skin) pages->SetSkinData(skin);
        pages->OnChange = [this](QObject*) { ++changes; };
        form.Show();
    }
    QImage Shot() { return Grab(pages); }
};

void Click(QWidget* w, QPoint at)
{
    for (auto type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

void Hover(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QPoint Inside(const QRect& r) { return r.topLeft() + QPoint(r.width() / 2, r.height() / 2); }

// The tab record with a scroller record: its decreasing button normal kBtnNormal, its
// increasing button normal kBtnHot, either hot kBtnDown; and an active tab two pixels
// taller than the others.
QByteArray ScrollerRecords()
{
    QByteArray text = TabRecords();
    text.replace("count=2\r\n", "count=3\r\n2=updown:updown\r\n");
    text.replace("activetabrect=80,120,120,140", "activetabrect=80,118,120,140");
    text.replace("mouseinfontcolor=0\r\n", "mouseinfontcolor=0\r\nupdown=updown\r\n");
    return text
        + "[updown]\r\npictureindex=0\r\nskinrect=0,120,80,140\r\n"
          "downbuttonrect=0,0,40,20\r\nupbuttonrect=40,0,80,20\r\n"
          "activedownbuttonrect=80,120,120,140\r\nactiveupbuttonrect=80,120,120,140\r\n\r\n";
}

// Tabs that lie (partly) beyond the row's end, as the scroller counts them.
int CutOff(const TvnSkinPageControl& pages)
{
    int n = 0;
    for (const QRect& r : pages.TabRects())
        if (r.x() + r.width() > pages.Width() - 3 || r.x() + r.width() <= 0) ++n;
    return n;
}

} // namespace

TEST(SkinPageControl, TabHeightComesFromTheRecordOrTheDefaultItemHeight)
{
    Notebook plain;
    EXPECT_EQ(plain.pages->TabRect(0).height(), 20) << "DefaultItemHeight";
    plain.pages->SetDefaultItemHeight(26);
    EXPECT_EQ(plain.pages->TabRect(0).height(), 26);

    TestSkin skin(TabRecords());
    Notebook skinned(&skin.Store());
    ASSERT_NE(skinned.pages->SkinRecordIndex(), -1);
    EXPECT_EQ(skinned.pages->TabRect(0).height(), 20) << "tabrect's height";
    skinned.pages->SetTabHeight(30);
    EXPECT_EQ(skinned.pages->TabRect(3).height(), 30) << "TabHeight wins";
}

TEST(SkinPageControl, TabsMoveToTheEdgeAndTheHitTestFollowsThem)
{
    struct Case {
        TTabPosition Position;
        QPoint Moved;
    } cases[]
        // The first tab of a row along the top or bottom starts one pixel further right.
        = { { tpTop, { -1, -2 } }, { tpBottom, { -1, 2 } }, { tpLeft, { -2, 0 } }, { tpRight, { 2, 0 } } };
    for (const Case& c : cases) {
        TestSkin skin(TabRecords());
        Notebook n(&skin.Store(), c.Position);
        TPageControl framework;
        framework.SetBounds(0, 0, 409, 156);
        framework.SetTabPosition(c.Position);
        framework.SetTabHeight(20);
        framework.Font()->SetName("Arial");
        framework.Font()->SetHeight(14);
        auto* sheet = new TTabSheet(&framework);
        sheet->SetCaption(kCategories[0]);
        sheet->SetPageControl(&framework);
        const QRect system = framework.TabRect(0);
        const QRect moved = n.pages->TabRect(0);
        EXPECT_EQ(moved.topLeft(), system.topLeft() + c.Moved) << c.Position;
        // Hit exactly where drawn: its first and last pixel, not the ones beyond.
        EXPECT_EQ(n.pages->TabAt(moved.topLeft()), 0);
        EXPECT_EQ(n.pages->TabAt(moved.bottomRight()), 0);
        EXPECT_EQ(n.pages->TabAt(moved.topLeft() - QPoint(1, 1)), -1);
        const QRect second = n.pages->TabRect(1);
        Click(n.pages, second.topLeft());
        EXPECT_EQ(n.pages->TabIndex(), 1) << c.Position;
    }
    TestSkin skin(TabRecords());
    Notebook n(&skin.Store());
    n.pages->SetTabsInCenter(true);
    EXPECT_FALSE(n.pages->TabsInCenter()) << "refused while the tabs are as wide as their captions";
    n.pages->SetTabWidth(60);
    n.pages->SetTabsInCenter(true);
    EXPECT_TRUE(n.pages->TabsInCenter());
    EXPECT_EQ(n.pages->TabRect(0).x(), 409 / 2 - 5 * 60 / 2 + 1);
    EXPECT_EQ(n.pages->TabRect(1).x(), 409 / 2 - 5 * 60 / 2 + 60);
    Click(n.pages, n.pages->TabRect(4).topLeft() + QPoint(1, 1));
    EXPECT_EQ(n.pages->TabIndex(), 4) << "a centred row is hit where it is drawn";
}

TEST(SkinPageControl, PageAreaIsTheSkinsClientRectangle)
{
    TestSkin skin(TabRecords());
    Notebook n(&skin.Store());
    const QRect page = RectLTRB(4, 20 + 4, 409 - 4, 156 - 4);
    EXPECT_EQ(n.pages->PageRect(), page);
    EXPECT_EQ(n.sheets[0]->geometry(), page) << "the active sheet fills the page";
    const QImage shot = n.Shot();
    EXPECT_EQ(shot.pixel(0, 100), kPanelFrame) << "the frame left of the page";
    EXPECT_EQ(shot.pixel(200, 154), kPanelFrame) << "and under it";
    EXPECT_EQ(shot.pixel(200, 100), kPanelClient) << "the sheet shows the record's client tile";

    // A transparent panel on the sheet shows the sheet's background.
    auto* panel = new TvnSkinPanel(&n.form);
    panel->SetParent(n.sheets[0]);
    panel->SetBounds(20, 20, 60, 40);
    panel->SetBorderStyle(bvNone);
    panel->SetTransparentMode(true);
    panel->SetSkinData(&skin.Store());
    panel->show();
    EXPECT_EQ(Grab(panel).pixel(30, 20), kPanelClient);

    Notebook bottom(&skin.Store(), tpBottom);
    EXPECT_EQ(bottom.pages->PageRect(), RectLTRB(4, 4, 409 - 4, 156 - 20 - 4));

    Notebook plain;
    EXPECT_EQ(plain.pages->PageRect(), RectLTRB(1, 21, 408, 155));
    EXPECT_EQ(plain.Shot().pixel(0, 100), ToQColor(clr::clBtnShadow).rgba());
}

TEST(SkinPageControl, TabFacesShowActiveHotAndNormal)
{
    TestSkin skin(TabRecords());
    Notebook n(&skin.Store());
    const QRect active = n.pages->TabRect(0), other = n.pages->TabRect(2);
    QImage shot = n.Shot();
    EXPECT_EQ(shot.pixel(active.x() + 1, active.y() + 1), kBtnDown);
    EXPECT_EQ(shot.pixel(other.x() + 1, other.y() + 1), kBtnNormal);
    EXPECT_EQ(shot.pixel(405, 5), kFixed) << "the strip beyond the last tab";
    Hover(n.pages, Inside(other));
    EXPECT_EQ(n.pages->HotTab(), 2);
    shot = n.Shot();
    EXPECT_EQ(shot.pixel(other.x() + 1, other.y() + 1), kBtnHot);
    Hover(n.pages, Inside(active));
    EXPECT_EQ(n.Shot().pixel(active.x() + 1, active.y() + 1), kBtnDown) << "the active tab is never hot";
    // Bottom tabs are the same faces turned upside down; side tabs turned a quarter.
    Notebook left(&skin.Store(), tpLeft);
    const QRect side = left.pages->TabRect(1);
    EXPECT_GT(side.height(), side.width());
    EXPECT_EQ(left.Shot().pixel(side.x() + 1, side.y() + side.height() / 2), kBtnNormal);
    EXPECT_GT(n.pages->CachedFaceCount(), 0);
}

TEST(SkinPageControl, OnChangeOncePerUserChangeAndNeverFromCode)
{
    TestSkin skin(TabRecords());
    Notebook n(&skin.Store());
    Click(n.pages, Inside(n.pages->TabRect(3)));
    EXPECT_EQ(n.pages->ActivePage(), n.sheets[3]);
    EXPECT_EQ(n.changes, 1);
    Click(n.pages, Inside(n.pages->TabRect(3)));
    EXPECT_EQ(n.changes, 1) << "the active tab again is no change";
    n.pages->SetActivePage(n.sheets[1]);
    n.pages->SetTabIndex(4);
    EXPECT_EQ(n.changes, 1) << "code changes raise nothing";
    EXPECT_TRUE(n.sheets[4]->isVisible());
    EXPECT_FALSE(n.sheets[1]->isVisible());
}

TEST(SkinPageControl, KeyboardSwitchesTabs)
{
    TestSkin skin(TabRecords());
    Notebook n(&skin.Store());
    n.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&n.form));
    n.pages->setFocus();
    ASSERT_TRUE(testenv::waitFor([&] { return n.pages->hasFocus(); }));
    QTest::keyClick(n.pages, Qt::Key_Right);
    QTest::keyClick(n.pages, Qt::Key_Right);
    EXPECT_EQ(n.pages->TabIndex(), 2);
    QTest::keyClick(n.pages, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(n.pages->TabIndex(), 1);
    EXPECT_EQ(n.changes, 3);
}

TEST(SkinPageControl, ClosingATabAsksFirstAndFreesWhenTold)
{
    Notebook n;
    n.pages->SetShowCloseButtons(true);
    bool allow = false;
    int asked = 0, closed = 0;
    n.pages->OnClose = [&](QObject*, QObject*, bool& canClose) {
        ++asked;
        canClose = allow;
    };
    n.pages->OnAfterClose = [&](QObject*) { ++closed; };
    const QRect button = n.pages->CloseButtonRect(1);
    ASSERT_TRUE(n.pages->TabRect(1).contains(button));
    Hover(n.pages, Inside(button));
    EXPECT_EQ(n.pages->HotCloseButton(), 1);
    Click(n.pages, Inside(button));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(n.pages->TabCount(), 5) << "refused";
    EXPECT_EQ(n.pages->TabIndex(), 0) << "the close button does not select its tab";

    allow = true;
    n.pages->SetFreeOnClose(true);
    QPointer<TvnSkinTabSheet> second = n.sheets[1];
    Click(n.pages, Inside(n.pages->CloseButtonRect(1)));
    EXPECT_EQ(n.pages->TabCount(), 4);
    EXPECT_TRUE(second.isNull()) << "freed";
    EXPECT_EQ(closed, 1);
    // Closing the active tab makes its neighbour the active one, as a user's change.
    Click(n.pages, Inside(n.pages->CloseButtonRect(0)));
    EXPECT_EQ(n.pages->ActivePage(), n.sheets[2]);
    EXPECT_EQ(n.changes, 1);
}

TEST(SkinPageControl, SkinMessagesAndTheFramePaintAnswer)
{
    TestSkin skin(TabRecords());
    Notebook n(&skin.Store());
    new TvnVeneerform(&n.form); // relays the skin notifications to the controls
    EXPECT_EQ(
        n.pages->Perform(TvnSkinPageControl::kPaintFrameMessage, 0, 0), TvnSkinPageControl::kNoFrameAnswer);
    EXPECT_EQ(n.sheets[0]->Perform(TvnSkinPageControl::kPaintFrameMessage, 0, 0),
        TvnSkinPageControl::kNoFrameAnswer);
    // Another skin without the record: the default look and its geometry at once.
    skin.Reload(StandardRecords());
    EXPECT_EQ(n.pages->SkinRecordIndex(), -1);
    EXPECT_EQ(n.pages->PageRect(), RectLTRB(1, 21, 408, 155));
    EXPECT_EQ(n.sheets[0]->geometry(), n.pages->PageRect());
    EXPECT_EQ(n.Shot().pixel(200, 100), ToQColor(clr::clBtnFace).rgba());
    skin.Reload(TabRecords());
    EXPECT_EQ(n.Shot().pixel(200, 100), kPanelClient);
}

TEST(SkinPageControl, DeclaredDataBuildsFiveSheetsWithTheirChildren)
{
    RegisterSkinDataClasses();
    RegisterSkinControlClasses();
    QByteArray text = "object frmTeste: TForm\n  object vnSkinData1: TvnSkinData\n  end\n"
                      "  object pstCategorias: TvnSkinPageControl\n    Left = 8\n    Top = 8\n"
                      "    Width = 409\n    Height = 156\n    ActivePage = tsBioombo\n"
                      "    SkinData = vnSkinData1\n    SkinDataName = 'tab'\n";
    const char* names[] = { "tsAmpliacao", "tsBioombo", "tsOutros", "tsAlbum", "tsCapa" };
    const char* captions[] = { "'Amplia'#231#227'o'", "'Bioombo'", "'Outros'", "#193'lbum'", "'Capa'" };
    for (int i = 0; i < 5; ++i) {
        text += QByteArray("    object ") + names[i] + ": TvnSkinTabSheet\n      Caption = " + captions[i]
            + "\n      object vsb" + QByteArray::number(i) + ": TvnSkinScrollBar\n        Left = 380\n"
            + "        Top = 0\n        Width = 19\n        Height = 114\n        Kind = sbVertical\n"
            + "        SkinDataName = 'vscrollbar'\n        SkinData = vnSkinData1\n      end\n    end\n";
    }
    text += "  end\nend\n";
    TForm form;
    declared::LoadRootFromText(&form, QString::fromLatin1(text), "frmTeste.dfm");
    auto* pages = form.ComponentByName<TvnSkinPageControl>("pstCategorias");
    ASSERT_EQ(pages->PageCount(), 5);
    EXPECT_EQ(pages->ActivePage(), form.FindComponent("tsBioombo"));
    EXPECT_EQ(pages->Page(0)->Caption(), QString::fromUtf8("Ampliação"));
    EXPECT_EQ(pages->Page(3)->Caption(), QString::fromUtf8("Álbum"));
    for (int i = 0; i < 5; ++i) {
        auto* bar = form.ComponentByName<TvnSkinScrollBar>(QString("vsb%1").arg(i));
        EXPECT_EQ(bar->parentWidget(), pages->Page(i));
        EXPECT_EQ(bar->Kind(), sbVertical);
        EXPECT_EQ(bar->size(), QSize(19, 114)) << "an upright bar stays upright";
    }
}

TEST(SkinPageControl, TabsBeyondTheRowBringAScrollerThatScrollsThem)
{
    TestSkin skin(ScrollerRecords());
    Notebook n(&skin.Store());
    EXPECT_EQ(n.pages->TabScroller(), nullptr) << "five tabs fit in 409 pixels";

    n.pages->SetBounds(8, 8, 200, 156);
    TvnSkinUpDown* scroller = n.pages->TabScroller();
    ASSERT_NE(scroller, nullptr);
    const int cut = CutOff(*n.pages);
    ASSERT_GT(cut, 0);
    EXPECT_EQ(scroller->Max(), cut) << "the range is the number of tabs cut off";
    EXPECT_EQ(scroller->Position(), 0);
    // DefaultItemHeight x 2 wide and DefaultItemHeight high, at the top right corner.
    EXPECT_EQ(scroller->geometry(), QRect(200 - 40, 0, 40, 20));
    EXPECT_EQ(scroller->SkinDataName(), "updown");
    ASSERT_NE(scroller->SkinRecordIndex(), -1);

    // Drawn from the record: each half its button, the hot one lit.
    QImage shot = Grab(scroller);
    EXPECT_EQ(shot.pixel(10, 10), kBtnNormal);
    EXPECT_EQ(shot.pixel(30, 10), kBtnHot);
    Hover(scroller, { 30, 10 });
    shot = Grab(scroller);
    EXPECT_EQ(shot.pixel(30, 10), kBtnDown);
    EXPECT_EQ(shot.pixel(10, 10), kBtnNormal);

    // The increasing button scrolls the row by one tab: the first one goes out at the left.
    const QRect second = n.pages->TabRect(1);
    Click(scroller, { 30, 10 });
    EXPECT_EQ(n.pages->FirstVisibleTab(), 1);
    EXPECT_EQ(scroller->Position(), 1);
    EXPECT_LE(n.pages->TabRect(0).right(), 0);
    EXPECT_LT(n.pages->TabRect(1).x(), second.x());
    EXPECT_EQ(n.changes, 0) << "scrolling the row changes no page";
    // No further than the range.
    for (int i = 0; i < 10; ++i)
        Click(scroller, { 30, 10 });
    EXPECT_EQ(scroller->Position(), scroller->Max());
    EXPECT_EQ(n.pages->FirstVisibleTab(), scroller->Max());
    // The decreasing button back to the start.
    for (int i = 0; i < 10; ++i)
        Click(scroller, { 10, 10 });
    EXPECT_EQ(n.pages->FirstVisibleTab(), 0);

    // A tab chosen with the keyboard scrolls into view and the scroller follows.
    n.pages->setFocus();
    QTest::keyClick(n.pages, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(n.pages->TabIndex(), 4);
    EXPECT_GT(n.pages->FirstVisibleTab(), 0);
    EXPECT_EQ(scroller->Position(), n.pages->FirstVisibleTab());
    QTest::keyClick(n.pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(n.pages->TabIndex(), 0);
    EXPECT_EQ(scroller->Position(), 0);

    // Wide enough again: the scroller goes.
    n.pages->SetBounds(8, 8, 409, 156);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(n.pages->TabScroller(), nullptr);
}

TEST(SkinPageControl, TheScrollerSitsAtTheBottomForOtherRowsAndHasADefaultLook)
{
    Notebook n(nullptr, tpBottom);
    n.pages->SetBounds(8, 8, 180, 156);
    TvnSkinUpDown* scroller = n.pages->TabScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->geometry(), QRect(180 - 40, 156 - 20, 40, 20)) << "bottom right";
    EXPECT_EQ(scroller->Max(), CutOff(*n.pages));
    EXPECT_EQ(scroller->SkinRecordIndex(), -1);
    const QImage shot = Grab(scroller);
    EXPECT_EQ(QColor(shot.pixel(10, 3)), ToQColor(clr::clBtnFace));
    // A larger item height, a larger scroller.
    n.pages->SetDefaultItemHeight(24);
    EXPECT_EQ(n.pages->TabScroller()->geometry(), QRect(180 - 48, 156 - 24, 48, 24));
}

TEST(SkinPageControl, InactiveContentMovesTowardsThePageOnTopAndLeftAndAwayOnBottomAndRight)
{
    struct Case {
        TTabPosition Position;
        QPoint Shift;
    } cases[] = { { tpTop, { 0, 2 } }, { tpBottom, { 0, 2 } }, { tpLeft, { 0, 2 } }, { tpRight, { 0, -2 } } };
    for (const Case& c : cases) {
        TestSkin skin(ScrollerRecords());
        Notebook n(&skin.Store(), c.Position);
        QHash<int, QRect> areas;
        n.pages->OnDrawSkinTab
            = [&](QObject*, int tab, QRect area, QPainter*, bool, bool) { areas[tab] = area; };
        Grab(n.pages);
        ASSERT_TRUE(areas.contains(0) && areas.contains(1));
        // Tab 0 is active and stays put; the content of tab 1 moves by the shift within
        // its face (bottom faces are flipped already, side faces not yet turned).
        EXPECT_EQ(areas[0].topLeft(), QPoint(0, 0)) << c.Position;
        EXPECT_EQ(areas[1].topLeft(), c.Shift) << c.Position;
    }
}

TEST(SkinPageControl, SheetBackgroundIsTheWallPaperTheRecordsPictureOrItsClientTile)
{
    // Without a store the sheet is button face.
    Notebook plain;
    EXPECT_EQ(Grab(plain.sheets.at(0)).pixel(5, 5), ToQColor(clr::clBtnFace).rgba());

    // The tab record's client tile (the panel area's client, kPanelClient) fills the sheet.
    TestSkin skin(TabRecords());
    Notebook tiled(&skin.Store());
    QImage sheet = Grab(tiled.sheets.at(0));
    EXPECT_EQ(sheet.pixel(5, 5), kPanelClient);
    EXPECT_EQ(sheet.pixel(sheet.width() - 2, sheet.height() - 2), kPanelClient);

    // A wallpaper is tiled from the sheet's corner instead.
    QImage wallpaper(3, 2, QImage::Format_ARGB32);
    wallpaper.fill(Qt::red);
    wallpaper.setPixel(1, 1, qRgb(0, 0, 255));
    tiled.sheets.at(0)->SetWallPaper(wallpaper);
    sheet = Grab(tiled.sheets.at(0));
    EXPECT_EQ(sheet.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(sheet.pixel(7, 3), qRgb(0, 0, 255)) << "the next tile across and down";
    EXPECT_EQ(Grab(tiled.sheets.at(1)).pixel(5, 5), kPanelClient) << "only that sheet";

    // A record naming a background picture tiles that picture.
    TestSkin pictured(TabRecords().replace(
        "[tab]\r\npictureindex=0\r\n", "[tab]\r\npictureindex=0\r\nbgpictureindex=2\r\n"));
    const QImage background = pictured.Store().Picture(2).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(background.isNull());
    Notebook withPicture(&pictured.Store());
    sheet = Grab(withPicture.sheets.at(0));
    for (QPoint at : { QPoint(3, 3), QPoint(background.width() + 3, 7), QPoint(11, background.height() + 2) })
        EXPECT_EQ(
            sheet.pixel(at), background.pixel(at.x() % background.width(), at.y() % background.height()))
            << at.x() << "," << at.y();
}
