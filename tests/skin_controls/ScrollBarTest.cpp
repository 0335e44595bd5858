// The skinned scroll bar as its users drive it: the thumb's size and place at the range's
// ends, dragging, held buttons and track clicks repeating tick by tick, the disabled
// bar, the two looks, and the round trip with a grid it is linked to.
#include "skin/controls/vnSkinCtrls/ScrollBar.h"

#include "ControlSkin.h"
#include "framework/Form.h"
#include "framework/grids/DrawGrid.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace ctltest;
using namespace vnctrls;

namespace {

// A vertical bar face of kMiddle (the "vbar" area), the arrow buttons' hot and pressed
// looks in the button colours, and a 12 x 20 thumb in each state.
QByteArray ScrollRecords()
{
    return QByteArray(
        "[SKINCONTROLS]\r\ncount=1\r\n0=vscrollbar:scrollbar\r\n\r\n"
        "[vscrollbar]\r\npictureindex=0\r\nskinrect=180,0,200,50\r\n"
        "lefttoppoint=0,10\r\nleftbottompoint=0,39\r\nclientrect=0,10,20,39\r\n"
        "trackarea=0,10,20,40\r\ndownbuttonrect=0,0,20,10\r\nupbuttonrect=0,40,20,50\r\n"
        "activeupbuttonrect=40,120,60,130\r\ndownupbuttonrect=80,120,100,130\r\n"
        "activedownbuttonrect=40,120,60,130\r\ndowndownbuttonrect=80,120,100,130\r\n"
        "thumbrect=0,120,12,140\r\nactivethumbrect=40,120,52,140\r\ndownthumbrect=80,120,92,140\r\n"
        "thumboffset1=2\r\nthumboffset2=2\r\nthumbstretcheffect=1\r\n\r\n");
}

struct BarForm {
    TForm form;
    TvnSkinScrollBar* bar = new TvnSkinScrollBar(&form);
    explicit BarForm(TvnSkinData* skin = nullptr)
    {
        form.SetBounds(100, 100, 300, 200);
        bar->SetParent(form.ClientWidget());
        bar->SetKind(sbVertical);
        bar->SetBounds(10, 10, 19, 114);
        if (skin) bar->SetSkinData(skin);
        form.Show();
    }
};

void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)),
        type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void Press(QWidget* w, QPoint at) { Mouse(w, QEvent::MouseButtonPress, at); }
void Move(QWidget* w, QPoint at) { Mouse(w, QEvent::MouseMove, at); }
void Release(QWidget* w, QPoint at) { Mouse(w, QEvent::MouseButtonRelease, at); }
void Tick(TvnSkinScrollBar* bar, int times = 1)
{
    for (int i = 0; i < times; ++i)
        bar->Perform(msg::WM_TIMER, TvnSkinScrollBar::kRepeatTimer, 0);
}

QPoint Centre(const QRect& r) { return r.topLeft() + QPoint(r.width() / 2, r.height() / 2); }

int Top(const QRect& r) { return r.y(); }
int Bottom(const QRect& r) { return vnutils::RectBottom(r); }

} // namespace

TEST(ScrollBarGeometry, DefaultLookThumbAtTheEndsWithAndWithoutAPage)
{
    TvnScrollRange range { 0, 100, 0, 0 };
    TvnScrollBarLayout l = DefaultScrollBarLayout({ 19, 114 }, sbVertical, range, 0);
    EXPECT_EQ(l.Decrease, QRect(1, 1, 17, 16));
    EXPECT_EQ(l.Increase, QRect(1, 97, 17, 16));
    EXPECT_EQ(Top(l.Track), 17);
    EXPECT_EQ(Bottom(l.Track), 97);
    EXPECT_EQ(Top(l.Thumb), 17) << "fixed thumb at the start";
    EXPECT_EQ(l.Thumb.height(), 16);
    range.Position = 100;
    l = DefaultScrollBarLayout({ 19, 114 }, sbVertical, range, 0);
    EXPECT_EQ(Bottom(l.Thumb), 97) << "and at the end";
    range.Position = 50;
    EXPECT_EQ(Top(DefaultScrollBarLayout({ 19, 114 }, sbVertical, range, 0).Thumb), 17 + 32);

    // A page: the thumb is its share of the track (never under 16) and ends at the end.
    range = { 0, 100, 0, 50 };
    l = DefaultScrollBarLayout({ 19, 114 }, sbVertical, range, 0);
    EXPECT_EQ(l.Thumb.height(), 40);
    EXPECT_EQ(Top(l.Thumb), 17);
    range.Position = 51;
    EXPECT_EQ(Bottom(DefaultScrollBarLayout({ 19, 114 }, sbVertical, range, 0).Thumb), 97);
    range = { 0, 100, 91, 10 };
    l = DefaultScrollBarLayout({ 19, 114 }, sbVertical, range, 0);
    EXPECT_EQ(l.Thumb.height(), 16);
    EXPECT_EQ(Bottom(l.Thumb), 97);
    // A page larger than the range stays inside the track.
    range = { 0, 10, 0, 50 };
    l = DefaultScrollBarLayout({ 19, 114 }, sbVertical, range, 0);
    EXPECT_EQ(Top(l.Thumb), 17);
    EXPECT_EQ(Bottom(l.Thumb), 97);
    // An empty range puts the thumb at the start; the corner marker shortens a flat bar.
    range = { 5, 5, 5, 0 };
    EXPECT_EQ(DefaultScrollBarLayout({ 200, 19 }, sbHorizontal, range, 0).Thumb.x(), 17);
    EXPECT_EQ(DefaultScrollBarLayout({ 200, 19 }, sbHorizontal, range, 19).Increase.x(), 200 - 19 - 17);
}

TEST(ScrollBarGeometry, SkinnedButtonsMoveWithTheSizeAndTheThumbCentresInTheTrack)
{
    TestSkin skin(ScrollRecords());
    BarForm f(&skin.Store());
    ASSERT_NE(f.bar->SkinRecordIndex(), -1);
    EXPECT_EQ(f.bar->size(), QSize(20, 114)) << "the record's width, any height";
    const TvnScrollBarLayout l = f.bar->Layout();
    EXPECT_EQ(l.Decrease, QRect(0, 0, 20, 10));
    EXPECT_EQ(l.Increase, QRect(0, 104, 20, 10));
    EXPECT_EQ(l.Track, QRect(0, 10, 20, 94));
    EXPECT_EQ(l.Thumb, QRect(4, 10, 12, 20));
    f.bar->SetPosition(100);
    EXPECT_EQ(Bottom(f.bar->Layout().Thumb), 104);
    f.bar->SetRange(0, 100, 50, 0);
    EXPECT_EQ(f.bar->Layout().Thumb.height(), 46) << "round(94 * 50 / 101) = 47, halved and doubled";
}

TEST(ScrollBar, PositionIsClampedAndOnlyTheSetterRaisesOnChange)
{
    BarForm f;
    int changes = 0;
    f.bar->OnChange = [&](QObject*) { ++changes; };
    f.bar->SetPosition(150);
    EXPECT_EQ(f.bar->Position(), 100);
    f.bar->SetPosition(-5);
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_EQ(changes, 2);
    f.bar->SetPosition(0);
    EXPECT_EQ(changes, 2) << "no change, no event";
    f.bar->SetPageSize(10);
    f.bar->SetPosition(100);
    EXPECT_EQ(f.bar->Position(), 91);
    f.bar->SetPageSize(20);
    EXPECT_EQ(f.bar->PageSize(), 10) << "a page running past the end is refused";
    f.bar->SetPositionQuiet(5);
    f.bar->SetRange(0, 50, 0, 80);
    EXPECT_EQ(f.bar->Position(), 50);
    EXPECT_EQ(changes, 3);
    f.bar->SetRange(10, 100, 10, 95);
    f.bar->SetMax(50);
    EXPECT_EQ(f.bar->Position(), 41) << "the last page start of the new range";
}

TEST(ScrollBar, ARangeNotStartingAtZeroTakesTheSamePagesAndPositions)
{
    BarForm f;
    f.bar->SetRange(10, 20, 0, 10);
    f.bar->SetPageSize(5);
    EXPECT_EQ(f.bar->PageSize(), 5) << "11 values hold a page of 5 from the first";
    f.bar->SetPosition(20);
    EXPECT_EQ(f.bar->Position(), 16) << "the last page starts at Max - PageSize + 1";
    f.bar->SetPageSize(6);
    EXPECT_EQ(f.bar->PageSize(), 5) << "6 values from 16 run past 20";
    f.bar->SetPosition(10);
    f.bar->SetPageSize(11);
    EXPECT_EQ(f.bar->PageSize(), 11) << "the whole range is one page";
    f.bar->SetRange(10, 40, 10, 31);
    f.bar->SetMax(30);
    EXPECT_EQ(f.bar->Position(), 21) << "the new last page start, not 10 short of it";
    f.bar->SetRange(10, 40, 10, 12);
    f.bar->SetMax(15);
    EXPECT_EQ(f.bar->Position(), 10) << "never below Min";
}

TEST(ScrollBar, DraggingPastBothEndsClampsAndEndsWithOnLastChange)
{
    for (int page : { 0, 10 }) {
        BarForm f;
        f.bar->SetRange(0, 100, page, 0);
        int last = 0, changes = 0;
        f.bar->OnLastChange = [&](QObject*) { ++last; };
        f.bar->OnChange = [&](QObject*) { ++changes; };
        const QPoint grip = Centre(f.bar->Layout().Thumb);
        Press(f.bar, grip);
        EXPECT_TRUE(f.bar->Dragging());
        Move(f.bar, grip + QPoint(0, 500));
        EXPECT_EQ(f.bar->Position(), page ? 91 : 100) << page;
        Move(f.bar, grip + QPoint(0, -500));
        EXPECT_EQ(f.bar->Position(), 0);
        Move(f.bar, grip + QPoint(0, 32));
        EXPECT_GT(f.bar->Position(), 0);
        EXPECT_EQ(last, 0);
        Release(f.bar, grip + QPoint(0, 32));
        EXPECT_EQ(last, 1);
        EXPECT_EQ(changes, 3);
        EXPECT_FALSE(f.bar->Dragging());
    }
}

TEST(ScrollBar, TheFrameworksMouseEventsComeOnceAroundTheBarsOwnHandling)
{
    BarForm f;
    f.bar->SetMax(10);
    QStringList heard;
    f.bar->OnMouseDown = [&](QObject* sender, TMouseButton b, TShiftState, int, int y) {
        EXPECT_EQ(sender, f.bar);
        heard << QString("down %1 at %2, position %3").arg(b).arg(y).arg(f.bar->Position());
    };
    f.bar->OnMouseUp = [&](QObject*, TMouseButton b, TShiftState, int, int y) {
        heard << QString("up %1 at %2, position %3").arg(b).arg(y).arg(f.bar->Position());
    };
    f.bar->OnLastChange = [&](QObject*) { heard << "last change"; };
    // A right press only raises the framework's event, once.
    Mouse(f.bar, QEvent::MouseButtonPress, { 9, 50 }, Qt::RightButton);
    Mouse(f.bar, QEvent::MouseButtonRelease, { 9, 50 }, Qt::RightButton);
    EXPECT_EQ(heard, QStringList({ "down 1 at 50, position 0", "up 1 at 50, position 0" }));
    heard.clear();
    // A left press on the increasing button steps first, then the event runs.
    Press(f.bar, { 9, 105 });
    Release(f.bar, { 9, 105 });
    EXPECT_EQ(heard, QStringList({ "down 0 at 105, position 1", "up 0 at 105, position 1" }));
    heard.clear();
    // The release's framework handling comes before the end of the thumb drag.
    Press(f.bar, { 9, 30 });
    Move(f.bar, { 9, 62 });
    Release(f.bar, { 9, 62 });
    EXPECT_GT(f.bar->Position(), 1);
    EXPECT_EQ(heard,
        QStringList({ "down 0 at 30, position 1", QString("up 0 at 62, position %1").arg(f.bar->Position()),
            "last change" }));
}

TEST(ScrollBar, HeldButtonRepeatsAfterTheFirstPeriodAndAClickStepsOnce)
{
    BarForm f;
    const QPoint down = Centre(f.bar->Layout().Increase);
    Press(f.bar, down);
    EXPECT_EQ(f.bar->Position(), 1);
    EXPECT_TRUE(f.bar->HasTimer(TvnSkinScrollBar::kRepeatTimer));
    Tick(f.bar);
    EXPECT_EQ(f.bar->Position(), 1) << "the first period only switches to the fast one";
    Tick(f.bar, 3);
    EXPECT_EQ(f.bar->Position(), 4);
    // Leaving the held button rests it; coming back repeats at once.
    Move(f.bar, QPoint(9, 50));
    EXPECT_FALSE(f.bar->HasTimer(TvnSkinScrollBar::kRepeatTimer));
    Move(f.bar, down);
    Tick(f.bar);
    EXPECT_EQ(f.bar->Position(), 5);
    Release(f.bar, down);
    EXPECT_FALSE(f.bar->HasTimer(TvnSkinScrollBar::kRepeatTimer));

    Press(f.bar, Centre(f.bar->Layout().Decrease));
    Release(f.bar, Centre(f.bar->Layout().Decrease));
    EXPECT_EQ(f.bar->Position(), 4) << "a click is one step";
    EXPECT_FALSE(f.bar->HasTimer(TvnSkinScrollBar::kRepeatTimer));

    int asked = 0;
    f.bar->OnUpButtonClick = [&](QObject*) { ++asked; };
    Press(f.bar, down);
    Tick(f.bar, 3);
    Release(f.bar, down);
    EXPECT_EQ(asked, 3) << "the event replaces every step";
    EXPECT_EQ(f.bar->Position(), 4);
}

TEST(ScrollBar, HeldTrackClickPagesUntilTheThumbReachesTheMouse)
{
    BarForm f;
    f.bar->SetLargeChange(10);
    int pages = 0;
    f.bar->OnPageDown = [&](QObject*) { ++pages; };
    const QPoint low(9, 90);
    Press(f.bar, low);
    EXPECT_EQ(f.bar->Position(), 10);
    Tick(f.bar, 20);
    EXPECT_FALSE(f.bar->HasTimer(TvnSkinScrollBar::kRepeatTimer)) << "stopped by itself";
    const TvnScrollBarLayout l = f.bar->Layout();
    EXPECT_LE(l.ThumbStart(), 90);
    EXPECT_LT(f.bar->Position(), 100);
    EXPECT_EQ(pages, f.bar->Position() / 10);
    Release(f.bar, low);
    Press(f.bar, QPoint(9, 20));
    Release(f.bar, QPoint(9, 20));
    EXPECT_EQ(pages, f.bar->Position() / 10 + 1) << "a click backwards pages once";
}

TEST(ScrollBar, BothSwapsTheRecordAndKindTurnsTheBar)
{
    TForm form;
    auto* bar = new TvnSkinScrollBar(&form);
    EXPECT_EQ(bar->size(), QSize(200, 19));
    EXPECT_EQ(bar->DefaultHeight(), 19);
    EXPECT_EQ(bar->SkinDataName(), "hscrollbar");
    EXPECT_EQ(bar->BothSkinDataName(), "bothhscrollbar");
    bar->SetBothMarkerWidth(-4);
    EXPECT_EQ(bar->BothMarkerWidth(), 19) << "a negative width is ignored";
    // The corner marker takes its width from the default look's end.
    EXPECT_EQ(bar->Layout().Increase.x(), 200 - 17);
    bar->SetBoth(true);
    EXPECT_EQ(bar->SkinDataName(), "bothhscrollbar");
    EXPECT_EQ(bar->Layout().Increase.x(), 200 - 19 - 17);
    bar->SetBoth(false);
    EXPECT_EQ(bar->SkinDataName(), "hscrollbar");

    // Turned upright in code: the vertical record, the shape and the fixed width follow.
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->SkinDataName(), "vscrollbar");
    EXPECT_EQ(bar->size(), QSize(19, 200));
    EXPECT_EQ(bar->DefaultWidth(), 19);
    EXPECT_EQ(bar->DefaultHeight(), 0);

    // Both looks the record up again each way: the store has no corner record, so the
    // default look shows until the bar's own record comes back.
    TestSkin skin(ScrollRecords());
    bar->SetSkinData(&skin.Store());
    const int own = bar->SkinRecordIndex();
    ASSERT_NE(own, -1);
    bar->SetBoth(true);
    EXPECT_EQ(bar->SkinRecordIndex(), -1);
    bar->SetBoth(false);
    EXPECT_EQ(bar->SkinDataName(), "vscrollbar");
    EXPECT_EQ(bar->SkinRecordIndex(), own);
}

TEST(ScrollBar, DisabledBarIgnoresTheMouseAndHidesItsThumb)
{
    BarForm f;
    f.bar->SetEnabled(false);
    Press(f.bar, Centre(f.bar->Layout().Increase));
    Release(f.bar, Centre(f.bar->Layout().Increase));
    Press(f.bar, QPoint(9, 90));
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_FALSE(f.bar->HasTimer(TvnSkinScrollBar::kRepeatTimer));
    const QImage shot = Grab(f.bar);
    EXPECT_EQ(shot.pixel(1, 25), ToQColor(clr::clBtnFace).rgba()) << "no thumb frame";
    f.bar->SetEnabled(true);
    EXPECT_EQ(Grab(f.bar).pixel(1, 25), ToQColor(clr::clBtnShadow).rgba()) << "the thumb's frame";
}

TEST(ScrollBar, SkinnedPartsShowHotAndPressedFaces)
{
    TestSkin skin(ScrollRecords());
    BarForm f(&skin.Store());
    EXPECT_EQ(Grab(f.bar).pixel(10, 108), kMiddle) << "the normal button is the face";
    EXPECT_EQ(Grab(f.bar).pixel(10, 20), kBtnNormal) << "the thumb";
    EXPECT_EQ(Grab(f.bar).pixel(1, 20), kMiddle) << "beside the thumb the track";
    Move(f.bar, QPoint(10, 108));
    EXPECT_EQ(Grab(f.bar).pixel(10, 108), kBtnHot);
    Press(f.bar, QPoint(10, 108));
    EXPECT_EQ(Grab(f.bar).pixel(10, 108), kBtnDown);
    Release(f.bar, QPoint(10, 108));
    Move(f.bar, QPoint(10, 60));
    const int thumb = Centre(f.bar->Layout().Thumb).y();
    Move(f.bar, QPoint(10, thumb));
    EXPECT_EQ(Grab(f.bar).pixel(10, thumb), kBtnHot) << "hot thumb";
    Press(f.bar, QPoint(10, thumb));
    EXPECT_EQ(Grab(f.bar).pixel(10, thumb), kBtnDown) << "dragged thumb";
    Release(f.bar, QPoint(10, thumb));
    f.bar->SetEnabled(false);
    EXPECT_EQ(Grab(f.bar).pixel(10, Centre(f.bar->Layout().Thumb).y()), kMiddle);
    EXPECT_GT(f.bar->CachedFaceCount(), 0);
}

TEST(ScrollBar, KeysAndWheelOnlyWhenItTakesTheFocus)
{
    BarForm f;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(f.bar, &down);
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_EQ(f.bar->Perform(msg::CM_WANTSPECIALKEY, 0x28, 0), 0);
    f.bar->SetCanFocused(true);
    EXPECT_TRUE(f.bar->TabStop());
    QApplication::sendEvent(f.bar, &down);
    QApplication::sendEvent(f.bar, &down);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(f.bar, &up);
    EXPECT_EQ(f.bar->Position(), 1);
    EXPECT_EQ(f.bar->Perform(msg::CM_WANTSPECIALKEY, 0x28, 0), 1);
}

// A grid of 300 rows under a title row on a form, and skinned bars placed beside it
// (not linked yet).
struct GridAndBars {
    TForm form;
    TDrawGrid grid { &form };

    GridAndBars(int width, int cols, int colWidth = 0)
    {
        form.SetBounds(60, 60, 460, 200);
        grid.SetParent(form.ClientWidget());
        grid.SetBounds(8, 8, width, 113);
        grid.SetBorderStyle(bsNoBorder);
        grid.SetColCount(cols);
        grid.SetFixedCols(0);
        grid.SetFixedRows(1);
        if (colWidth > 0) grid.SetDefaultColWidth(colWidth);
        grid.SetDefaultRowHeight(17);
        grid.SetRowCount(301);
    }
    TvnSkinScrollBar* Bar(TScrollBarKind kind, const QRect& bounds)
    {
        auto* bar = new TvnSkinScrollBar(&form);
        bar->SetParent(form.ClientWidget());
        bar->SetKind(kind);
        bar->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        return bar;
    }
};

TEST(ScrollBar, LinkedGridAndBarFollowEachOther)
{
    GridAndBars f(300, 1);
    TDrawGrid& grid = f.grid;
    auto* bar = f.Bar(sbVertical, QRect(310, 8, 19, 114));
    f.form.Show();

    bar->Link(&grid);
    EXPECT_EQ(bar->Max(), 299);
    EXPECT_EQ(bar->PageSize(), 5);
    int changes = 0;
    bar->OnChange = [&](QObject*) { ++changes; };
    // The grid moved in code moves the bar quietly.
    grid.Perform(msg::WM_VSCROLL, msg::SB_BOTTOM, 0);
    EXPECT_EQ(bar->Position(), 295);
    EXPECT_EQ(changes, 0);
    // The user's scrolling on the bar moves the grid.
    Press(bar, Centre(bar->Layout().Decrease));
    Release(bar, Centre(bar->Layout().Decrease));
    EXPECT_EQ(grid.TopRow(), 295);
    const QPoint grip = Centre(bar->Layout().Thumb);
    Press(bar, grip);
    Move(bar, grip - QPoint(0, 500));
    EXPECT_EQ(grid.TopRow(), 1);
    Release(bar, grip - QPoint(0, 500));
    Press(bar, QPoint(9, 90));
    Release(bar, QPoint(9, 90));
    EXPECT_EQ(grid.TopRow(), 1 + bar->Position());
    EXPECT_EQ(bar->Position(), 5) << "the grid pages by its visible rows";
    bar->Link(nullptr);
    EXPECT_EQ(grid.ScrollListenerCount(), 0);
}

TEST(ScrollBar, TwoBarsOnOneGridEachFollowTheirDirection)
{
    GridAndBars f(200, 6, 90);
    TDrawGrid& grid = f.grid;
    auto* vbar = f.Bar(sbVertical, QRect(210, 8, 19, 114));
    auto* hbar = f.Bar(sbHorizontal, QRect(8, 124, 200, 19));
    f.form.Show();

    vbar->Link(&grid);
    hbar->Link(&grid);
    EXPECT_EQ(grid.ScrollListenerCount(), 2);
    // The second link must not cut the first bar off: both follow the grid.
    grid.Perform(msg::WM_VSCROLL, msg::SB_BOTTOM, 0);
    grid.Perform(msg::WM_HSCROLL, msg::SB_BOTTOM, 0);
    EXPECT_EQ(vbar->Position(), grid.ScrollInfo(sbVertical).Position);
    EXPECT_GT(vbar->Position(), 0);
    EXPECT_EQ(hbar->Position(), grid.ScrollInfo(sbHorizontal).Position);
    EXPECT_GT(hbar->Position(), 0);
    // Linking the same bar again keeps one listener for it.
    vbar->Link(&grid);
    EXPECT_EQ(grid.ScrollListenerCount(), 2);
    // A bar that goes away leaves the other one linked.
    delete hbar;
    EXPECT_EQ(grid.ScrollListenerCount(), 1);
    grid.Perform(msg::WM_VSCROLL, msg::SB_TOP, 0);
    EXPECT_EQ(vbar->Position(), 0);
}
