// The main window on whichever desktop it runs on (scripts/desktop starts each one: a
// bare X server, openbox, xfwm4 with and without its compositor, mutter, kwin_x11,
// weston through Xwayland), driven as a clerk drives it: the X pointer and keyboard
// through xdotool, the window manager through wmctrl. What the window shows and what the
// X server and the window manager hold are read back; with QUIRA_SHOT_DIR set the
// screen is saved at each step, named after the desktop.
#include "platform/Desktop.h"

#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uLogin/uLogin.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "platform/LayeredWindows.h"
#include "skin/data/vnUtils/LayerWindow.h"
#include "skin/form/Veneerform/HintWindow.h"
#include "skin/form/Veneerform/Veneerform.h"
#include "support/MainWindowSession.h"
#include "support/XDesktop.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

using namespace testenv;
using veneer::TvnVeneerform;
using veneer::TvnWindowState;

namespace {

QString Desktop() { return qEnvironmentVariable("QUIRA_DESKTOP", QStringLiteral("xvfb")); }
QString ShotName(const char* step) { return Desktop() + u'-' + QLatin1String(step); }

class DesktopTest : public MainWindowSession {
protected:
    void SetUp() override
    {
        MainWindowSession::SetUp();
        if (HasFatalFailure()) return;
        m_frame = frmPrincipal->ComponentByName<TvnVeneerform>("vnVeneerform1");
        ASSERT_NE(m_frame, nullptr);
    }

    // Logged in and settled: the window manager has placed and activated the window.
    void LoggedIn()
    {
        ASSERT_TRUE(LogIn());
        QTest::qWait(400);
        ASSERT_EQ(frmPrincipal->size(), QSize(816, 379));
    }

    LRESULT HitAt(QPoint framePoint)
    {
        const QPoint g = frmPrincipal->mapToGlobal(framePoint);
        return frmPrincipal->Perform(msg::WM_NCHITTEST, 0, MakeLParam(g.x(), g.y()));
    }

    void ClickObject(const char* name)
    {
        PointerTo(frmPrincipal, PlaceOf(*m_frame, name).center());
        Xdo({ "click", "1" });
        QTest::qWait(300);
    }

    static QString Id(QWidget* w) { return QString::number(w->winId()); }

    TvnVeneerform* m_frame = nullptr;
};

// Typed in as a clerk types; then one click on "Localizar Cliente" opens the search,
// whatever had the focus when the login window closed.
TEST_F(DesktopTest, LogsInByKeyboardAndTheFirstClickOpensTheSearch)
{
    bool typed = false;
    bool focused = false;
    testenv::onNextModal([&](QWidget* w) {
        QPointer<TfrmLogin> login = qobject_cast<TfrmLogin*>(w);
        ASSERT_NE(login, nullptr);
        // Whatever happens here, the login window does not stay open forever.
        QTimer::singleShot(20000, [login] {
            if (login && login->isVisible()) login->close();
        });
        // A window manager gives a new window the focus; a bare X server gives it none.
        if (!WindowManagerRuns()) login->activateWindow();
        focused = QTest::qWaitForWindowActive(login, 3000);
        if (!focused) {
            // As a clerk would: a click into the name field.
            const QPoint at = login->edtNome->mapToGlobal(login->edtNome->rect().center());
            Xdo({ "mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1" });
        }
        KeepScreen(ShotName("login"));
        Xdo({ "type", "--delay", "30", "ana" });
        Xdo({ "key", "Return" });
        Xdo({ "type", "--delay", "30", "sol123" });
        Xdo({ "key", "Return" });
        QTest::qWait(300);
        Xdo({ "key", "Return" });
        typed = true;
    });
    frmPrincipal->Show();
    ASSERT_TRUE(testenv::waitFor([&] { return typed && frmPrincipal->isVisible(); }, 20000));
    EXPECT_TRUE(focused) << "the login window has the keyboard when it opens";
    QTest::qWait(500);
    KeepScreen(ShotName("logged-in"));

    bool opened = false;
    testenv::onNextModal(
        [&](QWidget* w) {
            opened = qobject_cast<TfrmLocalizar*>(w) != nullptr;
            KeepScreen(ShotName("search"));
            if (auto* form = qobject_cast<TForm*>(w)) form->SetModalResult(mrCancel);
        },
        4000);
    auto* button = frmPrincipal->btnLocalizarCliente;
    const QPoint at = button->mapToGlobal(button->rect().center());
    Xdo({ "mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1" });
    EXPECT_TRUE(testenv::waitFor([&] { return opened; }, 4000)) << "one click opens the search";
    testenv::waitFor([] { return !QApplication::activeModalWidget(); }, 4000);
}

// The search window opened by a click has the keyboard, and Esc, typed as a clerk types
// it, closes it.
TEST_F(DesktopTest, ClosesTheSearchWithEsc)
{
    LoggedIn();
    bool opened = false;
    bool active = false;
    bool forced = false;
    testenv::onNextModal(
        [&](QWidget* w) {
            opened = true;
            // Whatever happens here, the search window does not stay open forever.
            QTimer::singleShot(5000, [&forced, w = QPointer<QWidget>(w)] {
                if (!w || !w->isVisible()) return;
                forced = true;
                w->close();
            });
            active = QTest::qWaitForWindowActive(w, 3000);
            // A clerk's Esc comes a moment after the window shows.
            QTest::qWait(300);
            Xdo({ "key", "Escape" });
        },
        4000);
    auto* button = frmPrincipal->btnLocalizarCliente;
    const QPoint at = button->mapToGlobal(button->rect().center());
    Xdo({ "mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1" });
    // The search runs its own loop inside this wait, until it closes.
    ASSERT_TRUE(testenv::waitFor([&] { return opened && !QApplication::activeModalWidget(); }, 8000))
        << "the click opens the search, and it closes";
    EXPECT_TRUE(active) << "the search window has the keyboard";
    EXPECT_FALSE(forced) << "Esc leaves the search window open";
}

// Dragged by the caption twice: the second drag starts where the first left the window
// (a frame hit-testing with a stale position would miss its caption).
TEST_F(DesktopTest, MovesByTheCaptionAgainAndAgain)
{
    LoggedIn();
    QWidget* w = frmPrincipal;
    for (const QPoint by : { QPoint(-120, 70), QPoint(90, -40) }) {
        const QPoint start = w->pos();
        PointerTo(w, { 300, 12 });
        DragBy(by);
        const QPoint to = start + by;
        EXPECT_TRUE(testenv::waitFor(
            [&] { return (w->pos() - to).manhattanLength() <= 2 * QApplication::startDragDistance(); }, 3000))
            << "at " << w->x() << "," << w->y() << ", dragged to " << to.x() << "," << to.y();
        EXPECT_TRUE(testenv::waitFor([&] { return !m_frame->InMoveSize(); }, 3000));
        const QRect x = XState(w).Geometry;
        EXPECT_LE((x.topLeft() - w->pos()).manhattanLength(), 2)
            << "the X server has it at " << x.x() << "," << x.y() << ", the window at " << w->x() << ","
            << w->y();
        // The frame hit-tests where the window really is.
        EXPECT_EQ(HitAt({ 300, 12 }), ht::HTCAPTION);
        QTest::qWait(500);
    }
    KeepScreen(ShotName("moved"));
}

// Sized by its bottom-right corner: the outline during the drag and the frame after it.
TEST_F(DesktopTest, SizesByTheBorder)
{
    LoggedIn();
    QWidget* w = frmPrincipal;
    const QRect start = w->geometry();
    EXPECT_EQ(HitAt({ 813, 376 }), ht::HTBOTTOMRIGHT);
    PointerTo(w, { 813, 376 });
    DragBy({ 120, 80 }, [&] {
        QTest::qWait(200);
        Shot(w, QRect(QPoint(-10, -10), w->size() + QSize(40, 40)), ShotName("sizing"));
    });
    EXPECT_TRUE(testenv::waitFor([&] { return !m_frame->InMoveSize(); }, 3000));
    EXPECT_TRUE(testenv::waitFor([&] { return w->size() == QSize(936, 459); }, 3000))
        << w->width() << "x" << w->height();
    EXPECT_EQ(w->pos(), start.topLeft());
    EXPECT_EQ(frmPrincipal->ClientWidget()->geometry(), QRect(8, 24, 920, 431));
    EXPECT_EQ(PlaceOf(*m_frame, "closebutton").right(), 936 - 12) << "the caption buttons follow";
    Shot(w, w->rect(), ShotName("sized"));
}

// Never smaller than the declared client area needs: neither by its border nor by the
// window manager's own sizing (its keys, its tiling: here its request through wmctrl).
TEST_F(DesktopTest, KeepsItsSmallestSize)
{
    LoggedIn();
    QWidget* w = frmPrincipal;
    const QSize smallest(816, 379);
    PointerTo(w, { 813, 376 });
    DragBy({ -400, -300 });
    EXPECT_TRUE(testenv::waitFor([&] { return !m_frame->InMoveSize(); }, 3000));
    QTest::qWait(300);
    EXPECT_EQ(w->size(), smallest) << "by the border";
    if (!WindowManagerRuns()) return;
    Wmctrl({ "-i", "-r", Id(w), "-e", "0,-1,-1,300,100" });
    QTest::qWait(800);
    EXPECT_EQ(w->size(), smallest) << "by the window manager";
    EXPECT_EQ(XState(w).Geometry.size(), smallest) << "as the X server has it";
    KeepScreen(ShotName("smallest"));
}

// The frame's maximize and restore (what a maximize button or a caption double click
// asks; the main window declares no maximize button), then the same through the window
// manager's own state (_NET_WM_STATE, as its keys, its tiling and its task bar change it).
TEST_F(DesktopTest, MaximizesAndRestoresByTheFrameAndByTheWindowManager)
{
    LoggedIn();
    QWidget* w = frmPrincipal;
    const QRect before = w->geometry();
    const QRect area = m_frame->WorkArea();

    m_frame->SetFrameWindowState(TvnWindowState::wsMaximized);
    EXPECT_TRUE(testenv::waitFor([&] { return w->width() >= area.width() - 2; }, 3000))
        << w->width() << "x" << w->height() << " in " << area.width() << "x" << area.height();
    EXPECT_EQ(m_frame->FrameWindowState(), TvnWindowState::wsMaximized);
    EXPECT_NE(HitAt({ w->width() - 2, w->height() / 2 }), ht::HTRIGHT) << "no sizing zones when maximized";
    if (WindowManagerRuns()) {
        EXPECT_TRUE(XState(w).NetStates.contains("_NET_WM_STATE_MAXIMIZED_VERT"))
            << "the window manager knows";
    }
    KeepScreen(ShotName("maximized-frame"));
    m_frame->SetFrameWindowState(TvnWindowState::wsNormal);
    EXPECT_TRUE(testenv::waitFor([&] { return w->geometry() == before; }, 3000))
        << w->x() << "," << w->y() << " " << w->width() << "x" << w->height();
    EXPECT_EQ(m_frame->FrameWindowState(), TvnWindowState::wsNormal);
    EXPECT_EQ(HitAt({ 813, 200 }), ht::HTRIGHT);

    if (!WindowManagerRuns()) GTEST_SKIP() << "no window manager: nobody else maximizes";
    QTest::qWait(300);
    Wmctrl({ "-i", "-r", Id(w), "-b", "add,maximized_vert,maximized_horz" });
    EXPECT_TRUE(
        testenv::waitFor([&] { return m_frame->FrameWindowState() == TvnWindowState::wsMaximized; }, 3000))
        << "the window manager's maximize reaches the frame";
    EXPECT_TRUE(testenv::waitFor([&] { return w->width() >= area.width() - 2; }, 3000));
    EXPECT_NE(HitAt({ w->width() - 2, w->height() / 2 }), ht::HTRIGHT) << "no sizing zones when maximized";
    KeepScreen(ShotName("maximized-wm"));
    Wmctrl({ "-i", "-r", Id(w), "-b", "remove,maximized_vert,maximized_horz" });
    EXPECT_TRUE(
        testenv::waitFor([&] { return m_frame->FrameWindowState() == TvnWindowState::wsNormal; }, 3000));
    EXPECT_TRUE(testenv::waitFor([&] { return w->geometry() == before; }, 3000))
        << w->x() << "," << w->y() << " " << w->width() << "x" << w->height();
    EXPECT_EQ(HitAt({ 813, 200 }), ht::HTRIGHT);
    KeepScreen(ShotName("restored-wm"));
}

// The minimize button: the window manager iconifies the window and keeps it in its list
// (its task bar brings it back); without one the window leaves the screen and the
// application brings it back.
TEST_F(DesktopTest, MinimizesAndComesBack)
{
    LoggedIn();
    QWidget* w = frmPrincipal;
    const QRect before = w->geometry();
    ClickObject("minbutton");
    EXPECT_TRUE(Application()->Minimized());
    EXPECT_EQ(m_frame->FrameWindowState(), TvnWindowState::wsNormal);
    // Off the screen: iconified where a window manager runs (mutter keeps an iconic
    // window mapped, kwin and openbox unmap it), unmapped where none does.
    const auto outOfSight = [&] {
        const XWindow x = XState(w);
        return WindowManagerRuns() ? x.WmState == "Iconic" || x.NetStates.contains("_NET_WM_STATE_HIDDEN")
                                   : !x.Viewable;
    };
    EXPECT_TRUE(testenv::waitFor(outOfSight, 3000)) << "out of sight";
    QTest::qWait(500);
    const XWindow gone = XState(w);
    KeepScreen(ShotName("minimized"));
    if (WindowManagerRuns()) {
        EXPECT_EQ(gone.WmState, "Iconic") << "iconified, not withdrawn";
        EXPECT_TRUE(gone.Listed) << "still among the window manager's windows";
        EXPECT_TRUE(Application()->Minimized());
        // The task bar's click: the window manager activates the window.
        Wmctrl({ "-i", "-a", Id(w) });
    } else {
        Application()->Restore();
    }
    EXPECT_TRUE(testenv::waitFor([&] { return !outOfSight(); }, 3000));
    EXPECT_TRUE(testenv::waitFor([&] { return XState(w).Viewable; }, 3000));
    EXPECT_TRUE(testenv::waitFor([&] { return !Application()->Minimized(); }, 3000));
    EXPECT_TRUE(testenv::waitFor([&] { return w->geometry() == before; }, 3000));
    EXPECT_TRUE(testenv::waitFor([&] { return m_frame->IsFrameActive(); }, 3000)) << "active again";
    KeepScreen(ShotName("restored"));
}

// A right click on the caption opens the system menu where the pointer is.
TEST_F(DesktopTest, OpensTheSystemMenuAtThePointer)
{
    LoggedIn();
    QRect menu;
    QTimer::singleShot(800, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) menu = popup->frameGeometry();
        KeepScreen(ShotName("system-menu"));
        Xdo({ "key", "Escape" });
    });
    PointerTo(frmPrincipal, { 300, 12 });
    const QPoint pointer = Pointer();
    Xdo({ "click", "3" });
    testenv::waitFor([&] { return !menu.isNull(); }, 3000);
    ASSERT_FALSE(menu.isNull()) << "a menu opened";
    EXPECT_LE((menu.topLeft() - pointer).manhattanLength(), 4)
        << "menu at " << menu.x() << "," << menu.y() << ", pointer at " << pointer.x() << "," << pointer.y();
    testenv::waitFor([] { return !QApplication::activePopupWidget(); }, 3000);
}

// The pointer resting on the close button: its hint shows beside it, and its glow
// (where a compositor can show one) around it.
TEST_F(DesktopTest, ShowsHintAndGlowBesideTheirButton)
{
    LoggedIn();
    m_frame->setProperty("ShowObjectHint", true);
    m_frame->SetSkinHint(new TvnSkinHint(frmPrincipal));
    const QRect close = PlaceOf(*m_frame, "closebutton");
    const QRect onScreen(frmPrincipal->mapToGlobal(close.topLeft()), close.size());
    PointerTo(frmPrincipal, close.center());
    QTest::qWait(TvnSkinHint::kDefaultHintPause + 600);
    QWidget* hint = m_frame->HintWindow();
    ASSERT_TRUE(hint && hint->isVisible()) << "the hint shows";
    const QRect h = hint->frameGeometry();
    EXPECT_LE(std::abs(h.top() - onScreen.bottom()), 40)
        << "hint at " << h.x() << "," << h.y() << ", button at " << onScreen.x() << "," << onScreen.y();
    EXPECT_LE(std::abs(h.left() - onScreen.left()), 200);
    // Looked at before the hint's time is up.
    KeepScreen(ShotName("hint-glow"));
    if (platform::LayeredWindowsAvailable()) {
        QWidget* glow = m_frame->GlowLayer() ? m_frame->GlowLayer()->LayerWindow() : nullptr;
        ASSERT_NE(glow, nullptr) << "a compositor runs: the glow shows";
        EXPECT_TRUE(glow->isVisible());
        EXPECT_TRUE(glow->frameGeometry().intersects(onScreen))
            << "glow at " << glow->x() << "," << glow->y() << ", button at " << onScreen.x() << ","
            << onScreen.y();
    }
    Xdo({ "mousemove", "5", "5" });
}

} // namespace
