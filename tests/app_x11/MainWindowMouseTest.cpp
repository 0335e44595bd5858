// The logged-in main window driven by the pointer on a real X server with no window
// manager (Xvfb): xdotool moves and clicks the X pointer, the window's frame does the
// rest. Dragged by its caption, sized by its bottom-right corner (never below the
// skin's 200 x 28), minimized and restored, and closed by its close button, which ends
// the program. With QUIRA_SHOT_DIR set the hot and the pressed close button are saved
// there as the screen shows them.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Edit.h"
#include "skin/form/Veneerform/MoveSizeLoop.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/MainWindowSession.h"
#include "support/TestDb.h"
#include "support/TestEnv.h"
#include "support/XDesktop.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

class MainWindowMouseTest : public MainWindowSession { };

using namespace testenv;

} // namespace

TEST_F(MainWindowMouseTest, ThePointerDragsSizesMinimizesAndClosesTheMainWindow)
{
    auto* frame = frmPrincipal->ComponentByName<TvnVeneerform>("vnVeneerform1");
    ASSERT_TRUE(LogIn());
    QWidget* w = frmPrincipal;
    const QRect start = w->geometry();
    ASSERT_EQ(start.size(), QSize(816, 379));
    ASSERT_EQ(XState(w).Geometry, start);

    // Dragged by its caption: no window manager takes the move, the frame does.
    PointerTo(w, { 300, 12 });
    DragBy({ -120, 70 });
    EXPECT_FALSE(frame->InMoveSize());
    EXPECT_EQ(w->geometry(), start.translated(-120, 70));
    EXPECT_EQ(XState(w).Geometry, start.translated(-120, 70)) << "the X server agrees";

    // Sized by its bottom-right corner: larger, then as small as its declared client area
    // allows.
    const QRect moved = w->geometry();
    PointerTo(w, { 813, 376 });
    DragBy({ 60, 40 });
    EXPECT_EQ(w->geometry(), QRect(moved.topLeft(), QSize(876, 419)));
    EXPECT_EQ(frmPrincipal->ClientWidget()->geometry(), QRect(8, 24, 860, 391));
    PointerTo(w, { 873, 416 });
    DragBy({ -2000, -2000 });
    EXPECT_EQ(w->geometry(), QRect(moved.topLeft(), QSize(816, 379)));
    EXPECT_EQ(XState(w).Geometry.size(), QSize(816, 379));
    ASSERT_EQ(w->size(), QSize(816, 379));
    QTest::qWait(600);

    // Minimized by its button: the application goes out of sight (nobody iconifies
    // windows here, so it is unmapped) and comes back as it was.
    const QRect before = w->geometry();
    PointerTo(w, PlaceOf(*frame, "minbutton").center());
    Xdo({ "click", "1" });
    EXPECT_TRUE(Application()->Minimized());
    EXPECT_EQ(frame->FrameWindowState(), veneer::TvnWindowState::wsNormal);
    EXPECT_TRUE(testenv::waitFor([&] { return !XState(w).Viewable; }, 3000))
        << "the window is off the screen";
    Application()->Restore();
    EXPECT_TRUE(testenv::waitFor([&] { return XState(w).Viewable; }, 3000));
    EXPECT_EQ(w->geometry(), before);
    EXPECT_TRUE(testenv::waitFor([&] { return frame->IsFrameActive(); }, 3000)) << "and active again";
    QTest::qWait(600);

    // The close button: hot under the pointer, pressed under the button, and a release
    // away from it does nothing.
    const QRect close = PlaceOf(*frame, "closebutton");
    ASSERT_EQ(close, QRect(816 - 11 - 18, 3, 18, 18));
    const QImage normal = Shot(w, close, "close-normal");
    PointerTo(w, close.center());
    const QImage hot = Shot(w, close, "close-hot");
    Shot(w, QRect(w->width() - 240, 0, 240, 60), "caption-close-hot");
    EXPECT_NE(hot, normal) << "the hot image shows";
    // No compositing manager runs here: the skin's glow would black the button out.
    EXPECT_EQ(frame->GlowLayer()->LayerWindow(), nullptr);
    Xdo({ "mousedown", "1" });
    const QImage pressed = Shot(w, close, "close-pressed");
    Shot(w, QRect(w->width() - 240, 0, 240, 60), "caption-close-pressed");
    EXPECT_NE(pressed, hot) << "the down image shows";
    PointerTo(w, { 300, 200 });
    Xdo({ "mouseup", "1" });
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(Application()->Terminated());
    QTest::qWait(600);

    // Released over it: the program ends.
    PointerTo(w, close.center());
    Xdo({ "click", "1" });
    EXPECT_TRUE(Application()->Terminated());
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowMouseTest, UnderAWindowManagerTheWindowManagerMovesAndSizesTheWindow)
{
    WindowManager wm;
    if (!wm.Start()) GTEST_SKIP() << "openbox is not installed (scripts/setup installs it)";
    auto* frame = frmPrincipal->ComponentByName<TvnVeneerform>("vnVeneerform1");
    ASSERT_TRUE(LogIn());
    QWidget* w = frmPrincipal;
    QTest::qWait(300);
    const QRect start = w->geometry();
    ASSERT_EQ(start.size(), QSize(816, 379));

    std::vector<UINT> heard;
    TWndMethod frameProc = frmPrincipal->WindowProc();
    frmPrincipal->SetWindowProc([&](TMessage& m) {
        if (m.Msg == msg::WM_ENTERSIZEMOVE || m.Msg == msg::WM_EXITSIZEMOVE || m.Msg == msg::WM_MOVING)
            if (heard.empty() || heard.back() != m.Msg) heard.push_back(m.Msg);
        frameProc(m);
    });
    veneer::TvnMoveSizeLoop::TvnPath path = veneer::TvnMoveSizeLoop::TvnPath::None;
    PointerTo(w, { 300, 12 });
    Xdo({ "mousedown", "1" });
    // The move starts after the drag distance (the first step); the window manager takes
    // it from there. A hand's next moves are small: a window that jumped ahead to catch
    // up with the cursor and back when the window manager took over shows here.
    const QPoint steps[] = { { -6, 4 }, { -1, 1 }, { -1, 0 }, { -30, 16 }, { -30, 16 }, { -52, 33 } };
    // Every place the window takes on the way, as the form hears of it.
    struct Places : QObject {
        QList<QPoint> Seen;
        QPoint Origin;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Move) Seen.append(static_cast<QMoveEvent*>(e)->pos() - Origin);
            return false;
        }
    } places;
    places.Origin = start.topLeft();
    w->installEventFilter(&places);
    for (const QPoint step : steps) {
        Xdo({ "mousemove_relative", "--", QString::number(step.x()), QString::number(step.y()) });
        if (frame->MoveSizeLoop()->Running()) path = frame->MoveSizeLoop()->Path();
        QTest::qWait(100);
    }
    w->removeEventFilter(&places);
    const QList<QPoint>& seen = places.Seen;
    Xdo({ "mouseup", "1" });
    EXPECT_EQ(path, veneer::TvnMoveSizeLoop::TvnPath::System) << "the window manager took the move";
    EXPECT_TRUE(testenv::waitFor([&] { return !frame->InMoveSize(); }, 3000));
    for (qsizetype i = 1; i < seen.size(); ++i)
        EXPECT_TRUE(seen[i].x() <= seen[i - 1].x() && seen[i].y() >= seen[i - 1].y())
            << "place " << i << ": from " << seen[i - 1].x() << "," << seen[i - 1].y() << " back to "
            << seen[i].x() << "," << seen[i].y();
    // It follows the cursor's whole travel from the press: the window manager is told
    // where the press was, not where the drag distance was passed.
    const QPoint dragged = start.topLeft() + QPoint(-120, 70);
    EXPECT_TRUE(testenv::waitFor([&] { return w->pos() == dragged; }, 3000))
        << w->x() << "," << w->y() << " for " << dragged.x() << "," << dragged.y();
    EXPECT_EQ(heard.front(), msg::WM_ENTERSIZEMOVE);
    EXPECT_EQ(heard.back(), msg::WM_EXITSIZEMOVE);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), msg::WM_EXITSIZEMOVE), 1);

    // The corner: the window manager sizes, and at every step of its loop the frame's
    // shape, caption buttons and border follow the size (not only at the release).
    QTest::qWait(600);
    PointerTo(w, { 813, 376 });
    Xdo({ "mousedown", "1" });
    for (int i = 0; i < 4; ++i)
        Xdo({ "mousemove_relative", "--", "30", "20" });
    ASSERT_TRUE(testenv::waitFor([&] { return w->size() == QSize(936, 459); }, 3000))
        << w->width() << "x" << w->height();
    QTest::qWait(150);
    EXPECT_TRUE(frame->InMoveSize()) << "the button is still down";
    EXPECT_EQ(w->mask().boundingRect(), QRect(0, 0, 936, 459)) << "the window's shape";
    EXPECT_EQ(PlaceOf(*frame, "closebutton"), QRect(936 - 11 - 18, 3, 18, 18));
    Shot(w, w->rect(), "openbox-sizing");
    Xdo({ "mouseup", "1" });
    EXPECT_TRUE(testenv::waitFor([&] { return !frame->InMoveSize(); }, 3000));

    // As small as its declared client area allows.
    QTest::qWait(600);
    PointerTo(w, { 933, 456 });
    DragBy({ -2000, -2000 });
    EXPECT_TRUE(testenv::waitFor([&] { return !frame->InMoveSize(); }, 3000));
    EXPECT_TRUE(testenv::waitFor([&] { return w->size() == QSize(816, 379); }, 3000))
        << w->width() << "x" << w->height();
    frmPrincipal->SetWindowProc(frameProc);
}
