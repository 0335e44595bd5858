// The frame's window states on real forms: minimized bars, the application's main form,
// maximizing to the work area, the caption double click, dragging and sizing through
// the frame's own loop (the offscreen platform has no window manager to run one), the
// magnetic edges and the fade-in.
#include "FrameFixture.h"
#include "framework/Application.h"
#include "framework/comctrls/StatusBar.h"
#include "skin/form/Veneerform/MoveSizeLoop.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QSizeGrip>
#include <QTest>
#include <gtest/gtest.h>

using namespace frametest;
using veneer::TvnWindowState;

namespace {

class FrameStatesTest : public FramedFormsTest {
protected:
    static QRect WorkArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    static void DoubleClickCaption(TForm& form)
    {
        const QPoint g = form.pos() + QPoint(150, 12);
        form.Perform(msg::WM_NCLBUTTONDBLCLK, ht::HTCAPTION, MakeLParam(g.x(), g.y()));
    }
};

} // namespace

TEST_F(FrameStatesTest, MinimizedFormsBecomeBarsInARowAndComeBackWhereTheyWere)
{
    std::vector<std::unique_ptr<FramedForm>> forms;
    for (int i = 0; i < 5; ++i) {
        forms.push_back(Make(bsSizeable, QRect(50 + 10 * i, 60 + 10 * i, 416, 240)));
        forms.back()->Form->Show();
    }
    const QRect area = WorkArea();
    forms[0]->Frame->RunCommand(TvnSkinCommand::cmMinimize);
    EXPECT_EQ(forms[0]->Frame->FrameWindowState(), TvnWindowState::wsMinimized);
    EXPECT_EQ(forms[0]->Form->geometry(), QRect(area.x(), area.y() + area.height() - 28, 200, 28));
    forms[1]->Frame->RunCommand(TvnSkinCommand::cmMinimize);
    EXPECT_EQ(forms[1]->Form->pos(), QPoint(area.x() + 200, area.y() + area.height() - 28))
        << "the second bar goes right of the first";
    const int perRow = area.width() / 200;
    for (int i = 2; i < 5; ++i)
        forms[i]->Frame->SetFrameWindowState(TvnWindowState::wsMinimized);
    if (perRow == 4) {
        EXPECT_EQ(forms[4]->Form->pos(), QPoint(area.x(), area.y() + area.height() - 56))
            << "a full row continues one bar higher";
    }

    // The second press of its minimize button gives the form its old bounds back.
    forms[1]->Frame->RunCommand(TvnSkinCommand::cmMinimize);
    EXPECT_EQ(forms[1]->Frame->FrameWindowState(), TvnWindowState::wsNormal);
    EXPECT_EQ(forms[1]->Form->geometry(), QRect(60, 70, 416, 240));
    EXPECT_TRUE(forms[1]->Frame->NormalBounds().isEmpty());
    // Its place in the row is free again, and taken by the next form minimized.
    forms[1]->Frame->SetFrameWindowState(TvnWindowState::wsMinimized);
    EXPECT_EQ(forms[1]->Form->pos(), QPoint(area.x() + 200, area.y() + area.height() - 28));
}

TEST_F(FrameStatesTest, MinimizingTheMainFormMinimizesTheApplicationAndStaysNormal)
{
    auto f = Make();
    Application()->SetMainForm(f->Form.get());
    f->Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f->Form.get()));
    const QRect bounds = f->Form->geometry();
    int minimized = 0;
    f->Frame->OnMinimize = [&](QObject*) { ++minimized; };
    f->Frame->RunCommand(TvnSkinCommand::cmMinimize);
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal);
    EXPECT_TRUE(Application()->Minimized());
    EXPECT_TRUE(f->Form->isMinimized());
    EXPECT_EQ(f->Form->geometry(), bounds) << "no bar: the application is out of sight";
    EXPECT_EQ(minimized, 1);
    Application()->Restore();
    EXPECT_FALSE(f->Form->isMinimized());
    EXPECT_TRUE(f->Form->isVisible());
    EXPECT_EQ(f->Form->geometry(), bounds);

    // Brought back by the desktop (its task bar) instead: the button minimizes again.
    f->Frame->RunCommand(TvnSkinCommand::cmMinimize);
    ASSERT_TRUE(Application()->Minimized());
    f->Form->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(Application()->Minimized());
    f->Frame->RunCommand(TvnSkinCommand::cmMinimize);
    EXPECT_TRUE(Application()->Minimized());
    EXPECT_TRUE(f->Form->isMinimized());
    EXPECT_EQ(minimized, 3);
}

TEST_F(FrameStatesTest, MaximizingFillsTheWorkAreaAndTheFormCannotBeDragged)
{
    auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biMinimize | veneer::biMaximize);
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    f->Frame->RunCommand(TvnSkinCommand::cmMaximize);
    ASSERT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsMaximized);
    const QRect area = WorkArea();
    const QRect screenRect(QPoint(0, 0), QGuiApplication::primaryScreen()->virtualSize());
    // The offscreen screen has no task bar: its work area is the whole screen.
    const QRect expected = area == screenRect ? area.adjusted(1, 1, -1, -1) : area;
    EXPECT_EQ(f->Form->geometry(), expected);
    EXPECT_EQ(f->Frame->NormalBounds(), QRect(100, 80, 416, 240));

    // A drag on the caption leaves it where it is.
    const QPoint at(200, 12);
    QTest::mousePress(f->Form.get(), Qt::LeftButton, {}, at);
    QTest::mouseMove(f->Form.get(), at + QPoint(60, 40));
    QTest::mouseMove(f->Form.get(), at + QPoint(120, 80));
    QTest::mouseRelease(f->Form.get(), Qt::LeftButton, {}, at + QPoint(120, 80));
    EXPECT_EQ(f->Form->geometry(), expected);
    EXPECT_FALSE(f->Frame->InMoveSize());

    // Restored by the same button; full screen covers the monitor, margin and all.
    f->Frame->RunCommand(TvnSkinCommand::cmMaximize);
    EXPECT_EQ(f->Form->geometry(), QRect(100, 80, 416, 240));
    f->Frame->setProperty("MaximizeOnFullScreen", true);
    f->Frame->SetFrameWindowState(TvnWindowState::wsMaximized);
    EXPECT_EQ(f->Form->geometry(), QGuiApplication::primaryScreen()->geometry());
}

TEST_F(FrameStatesTest, TheStatusBarsGripGoesWhileMaximizedAndSizesTheFormOtherwise)
{
    auto f = Make(bsSizeable, { 100, 80, 416, 240 }, veneer::biMinimize | veneer::biMaximize);
    auto* bar = new TStatusBar(f->Form.get());
    bar->setParent(f->Form->ClientWidget());
    bar->SetSimpleText(QStringLiteral("Pronto"));
    f->Frame->SetStatusBar(bar);
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    ASSERT_TRUE(bar->Grip());
    EXPECT_EQ(bar->geometry().bottom(), f->Form->ClientWidget()->height() - 1) << "along the bottom";
    EXPECT_TRUE(bar->Grip()->isVisible());

    // The grip sizes the form from its corner.
    const QSize before = f->Form->size();
    const QPoint corner = bar->Grip()->rect().center();
    QTest::mousePress(bar->Grip(), Qt::LeftButton, {}, corner);
    QTest::mouseMove(bar->Grip(), corner + QPoint(40, 30));
    QTest::mouseRelease(bar->Grip(), Qt::LeftButton, {}, corner + QPoint(40, 30));
    EXPECT_TRUE(testenv::waitFor([&] { return f->Form->size() != before; }, 2000))
        << "the grip sizes the form";
    EXPECT_GT(f->Form->width(), before.width());

    f->Frame->SetFrameWindowState(TvnWindowState::wsMaximized);
    EXPECT_FALSE(bar->SizeGrip());
    EXPECT_FALSE(bar->Grip()->isVisible());
    f->Frame->SetFrameWindowState(TvnWindowState::wsNormal);
    EXPECT_TRUE(bar->SizeGrip());
    EXPECT_TRUE(bar->Grip()->isVisible());

    // The bar gone, the frame forgets it and maximizes as before.
    delete bar;
    EXPECT_EQ(f->Frame->StatusBar(), nullptr);
    f->Frame->SetFrameWindowState(TvnWindowState::wsMaximized);
    EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsMaximized);
}

TEST_F(FrameStatesTest, DoubleClickingTheCaptionWithOnlyTheMinimizeIconChangesNothing)
{
    auto main = Make(bsSizeable, { 100, 80, 416, 240 });
    auto dialog = Make(bsDialog, { 120, 90, 300, 200 });
    for (auto* f : { main.get(), dialog.get() }) {
        const QRect before = f->Form->geometry();
        DoubleClickCaption(*f->Form);
        EXPECT_EQ(f->Form->geometry(), before);
        EXPECT_EQ(f->Frame->FrameWindowState(), TvnWindowState::wsNormal);
        EXPECT_FALSE(f->Frame->RollUpState());
    }
    // With the maximize icon the same double click maximizes, and a second restores.
    main->Frame->SetBorderIcons(veneer::biMinimize | veneer::biMaximize);
    DoubleClickCaption(*main->Form);
    EXPECT_EQ(main->Frame->FrameWindowState(), TvnWindowState::wsMaximized);
    DoubleClickCaption(*main->Form);
    EXPECT_EQ(main->Form->geometry(), QRect(100, 80, 416, 240));
    // A dialog with the roll-up icon rolls up to its caption and back.
    dialog->Frame->SetBorderIcons(veneer::biMinimize | veneer::biRollUp);
    DoubleClickCaption(*dialog->Form);
    EXPECT_TRUE(dialog->Frame->RollUpState());
    EXPECT_EQ(dialog->Form->height(), 28);
    DoubleClickCaption(*dialog->Form);
    EXPECT_EQ(dialog->Form->geometry(), QRect(120, 90, 300, 200));
}

TEST_F(FrameStatesTest, TheCaptionDragsAndTheCornerSizesWithinTheLimits)
{
    auto f = Make(bsSizeable, { 100, 80, 416, 240 });
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    std::vector<UINT> heard;
    TWndMethod frameProc = f->Form->WindowProc();
    f->Form->SetWindowProc([&](TMessage& m) {
        if (m.Msg == msg::WM_ENTERSIZEMOVE || m.Msg == msg::WM_EXITSIZEMOVE || m.Msg == msg::WM_MOVING
            || m.Msg == msg::WM_SIZING)
            if (heard.empty() || heard.back() != m.Msg) heard.push_back(m.Msg);
        frameProc(m);
    });

    TForm* form = f->Form.get();
    const QPoint at(200, 12);
    QTest::mousePress(form, Qt::LeftButton, {}, at);
    QTest::mouseMove(form, at + QPoint(30, 20));
    EXPECT_TRUE(f->Frame->InMoveSize());
    ASSERT_NE(f->Frame->MoveSizeLoop(), nullptr);
    EXPECT_EQ(f->Frame->MoveSizeLoop()->Path(), veneer::TvnMoveSizeLoop::TvnPath::Manual);
    EXPECT_EQ(form->pos(), QPoint(130, 100));
    // Back to 20 pixels right and 10 down of where the press was.
    QTest::mouseRelease(form, Qt::LeftButton, {}, form->mapFromGlobal(QPoint(320, 102)));
    EXPECT_FALSE(f->Frame->InMoveSize());
    EXPECT_EQ(form->geometry(), QRect(120, 90, 416, 240));
    EXPECT_EQ(heard, (std::vector<UINT> { msg::WM_ENTERSIZEMOVE, msg::WM_MOVING, msg::WM_EXITSIZEMOVE }));

    // The bottom-right corner: larger, then not below 200 x 28.
    heard.clear();
    const QPoint corner(form->width() - 3, form->height() - 3);
    QTest::mousePress(form, Qt::LeftButton, {}, corner);
    ASSERT_TRUE(f->Frame->InMoveSize());
    QTest::mouseMove(form, corner + QPoint(50, 30));
    EXPECT_EQ(form->geometry(), QRect(120, 90, 466, 270));
    EXPECT_EQ(f->Frame->FrameWidth(), 466);
    QTest::mouseMove(form, corner + QPoint(-1000, -1000));
    EXPECT_EQ(form->geometry(), QRect(120, 90, 200, 28));
    QTest::mouseRelease(
        form, Qt::LeftButton, {}, form->mapFromGlobal(form->pos() + corner + QPoint(-1000, -1000)));
    EXPECT_EQ(form->geometry(), QRect(120, 90, 200, 28));
    EXPECT_EQ(heard, (std::vector<UINT> { msg::WM_ENTERSIZEMOVE, msg::WM_SIZING, msg::WM_EXITSIZEMOVE }));
    EXPECT_EQ(f->Frame->Geometry().NewClientRect, QRect(8, 24, 184, 0)) << "the frame follows the size";
    f->Form->SetWindowProc(frameProc);
}

TEST_F(FrameStatesTest, AMagneticEdgeHoldsADraggedFormUntilTheCursorPullsMoreThanFiveAway)
{
    auto f = Make(bsSizeable, { 100, 80, 416, 240 });
    f->Frame->setProperty("Magnetic", true);
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    const QRect area = WorkArea();
    TForm* form = f->Form.get();
    const QPoint grab(200, 12);
    const QPoint start = form->pos() + grab;
    QTest::mousePress(form, Qt::LeftButton, {}, grab);
    // The events carry screen positions; the form moves under the cursor.
    const auto dragTo = [&](QPoint global) { QTest::mouseMove(form, form->mapFromGlobal(global)); };
    dragTo(start + QPoint(-20, 0));
    ASSERT_TRUE(f->Frame->InMoveSize());
    EXPECT_EQ(form->x(), 80);
    dragTo(start + QPoint(100 - area.x() - 4, 0) * -1);
    EXPECT_EQ(form->x(), area.x()) << "4 pixels from the left edge: caught";
    const QPoint caught = start - QPoint(100 - area.x() - 4, 0);
    dragTo(caught + QPoint(5, 0));
    EXPECT_EQ(form->x(), area.x()) << "5 pixels of pull: held";
    dragTo(caught + QPoint(6, 0));
    EXPECT_EQ(form->x(), area.x() + 6) << "more than 5: loose";
    dragTo(caught + QPoint(30, 0));
    EXPECT_EQ(form->x(), area.x() + 4 + 30);
    QTest::mouseRelease(form, Qt::LeftButton, {}, form->mapFromGlobal(caught + QPoint(30, 0)));
}

TEST_F(FrameStatesTest, AFadeInWithoutAlphaBlendEndsOpaqueAndWithItAtItsValue)
{
    auto fading = Make();
    fading->Frame->setProperty("AlphaBlendAnimation", true);
    fading->Form->Show();
    EXPECT_EQ(fading->Form->windowOpacity(), 0.0) << "the fade starts from nothing";
    EXPECT_TRUE(fading->Form->HasTimer(TvnVeneerform::kFadeTimer));
    QTest::qWait(400);
    EXPECT_FALSE(fading->Form->HasTimer(TvnVeneerform::kFadeTimer));
    EXPECT_EQ(fading->Form->windowOpacity(), 1.0);

    auto translucent = Make();
    translucent->Frame->setProperty("AlphaBlendAnimation", true);
    translucent->Frame->setProperty("AlphaBlend", true);
    translucent->Frame->setProperty("AlphaBlendValue", 200);
    translucent->Form->Show();
    QTest::qWait(400);
    EXPECT_NEAR(translucent->Form->windowOpacity(), 200 / 255.0, 0.005);
    translucent->Form->Hide();
    EXPECT_EQ(translucent->Form->windowOpacity(), 1.0);
}

TEST_F(FrameStatesTest, ChangingTheTranslucencyOfAShownFormTakesAtOnce)
{
    auto f = Make();
    f->Form->Show();
    EXPECT_EQ(f->Form->windowOpacity(), 1.0);
    f->Frame->setProperty("AlphaBlend", true);
    EXPECT_NEAR(f->Form->windowOpacity(), 200 / 255.0, 0.005);
    f->Frame->setProperty("AlphaBlendValue", 100);
    EXPECT_NEAR(f->Form->windowOpacity(), 100 / 255.0, 0.005);
    f->Frame->setProperty("AlphaBlendValue", 300);
    EXPECT_EQ(f->Frame->property("AlphaBlendValue").toInt(), 255) << "a byte";
    EXPECT_EQ(f->Form->windowOpacity(), 1.0);
    f->Frame->setProperty("AlphaBlendValue", 100);
    f->Frame->setProperty("AlphaBlend", false);
    EXPECT_EQ(f->Form->windowOpacity(), 1.0);

    // Switched on during a fade, the new value wins over the fade's target.
    auto fading = Make();
    fading->Frame->setProperty("AlphaBlendAnimation", true);
    fading->Form->Show();
    fading->Frame->setProperty("AlphaBlendValue", 120);
    fading->Frame->setProperty("AlphaBlend", true);
    QTest::qWait(400);
    EXPECT_NEAR(fading->Form->windowOpacity(), 120 / 255.0, 0.005);
}

TEST_F(FrameStatesTest, TheFadeInRunsBetweenTheProgramsOtherEvents)
{
    // A fade that slept on the event thread would go from nothing to opaque within one
    // event: the steps between are seen only when each comes from the timer.
    auto fading = Make();
    fading->Frame->setProperty("AlphaBlendAnimation", true);
    fading->Form->Show();
    QSet<int> seen;
    EXPECT_TRUE(testenv::waitFor(
        [&] {
            seen.insert(qRound(fading->Form->windowOpacity() * 255));
            return fading->Form->windowOpacity() == 1.0;
        },
        2000));
    EXPECT_GT(seen.size(), 3) << "the opacities seen while other events ran";
}

TEST_F(FrameStatesTest, TheFirstShowCentresTheFormWhenAskedTo)
{
    auto f = Make(bsSizeable, { 3, 4, 416, 240 });
    f->Frame->setProperty("PositionInMonitor", QVariant::fromValue(veneer::vnpDesktopCenter));
    f->Form->Show();
    const QRect area = WorkArea();
    EXPECT_EQ(f->Form->pos(), QPoint(area.x() + area.width() / 2 - 208, area.y() + area.height() / 2 - 120));
    // Later shows leave it where it is.
    f->Form->move(10, 10);
    f->Form->Hide();
    f->Form->Show();
    EXPECT_EQ(f->Form->pos(), QPoint(10, 10));
}

TEST_F(FrameStatesTest, EscDuringTheFramesOwnDragPutsTheFormBack)
{
    auto f = Make(bsSizeable, { 100, 80, 416, 240 });
    f->Form->Show();
    f->Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    TForm* form = f->Form.get();
    QTest::mousePress(form, Qt::LeftButton, {}, { 200, 12 });
    QTest::mouseMove(form, { 260, 52 });
    ASSERT_TRUE(f->Frame->InMoveSize());
    ASSERT_EQ(form->pos(), QPoint(160, 120));
    // The key goes to the focused widget inside the form, not to the form itself.
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : form->ClientWidget();
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_FALSE(f->Frame->InMoveSize());
    EXPECT_EQ(form->geometry(), QRect(100, 80, 416, 240));
    // The pointer's release after that moves nothing.
    QTest::mouseRelease(form, Qt::LeftButton, {}, { 260, 52 });
    EXPECT_EQ(form->geometry(), QRect(100, 80, 416, 240));
}
