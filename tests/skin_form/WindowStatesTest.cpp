// The arithmetic of the frame's window states on its own: the row of minimized bars,
// the maximized rectangle, the magnetic edges, the sizing limits, the caption double
// click and the fade-in steps.
#include "skin/form/Veneerform/WindowStates.h"

#include <gtest/gtest.h>

using namespace veneer;

TEST(WindowStates, MinimizedBarsFillARowFromTheBottomLeftThenTheRowAbove)
{
    const QRect area(0, 0, 800, 600);
    const QSize bar(200, 28);
    std::vector<QPoint> taken;
    const QPoint first = NextMinimizedPlace(area, bar, taken);
    EXPECT_EQ(first, QPoint(0, 572));
    taken.push_back(first);
    EXPECT_EQ(NextMinimizedPlace(area, bar, taken), QPoint(200, 572)) << "the second goes right of the first";
    taken = { { 0, 572 }, { 200, 572 }, { 400, 572 }, { 600, 572 } };
    EXPECT_EQ(NextMinimizedPlace(area, bar, taken), QPoint(0, 544)) << "a full row continues one bar higher";
    // A gap in the row is taken before the row above.
    taken = { { 0, 572 }, { 400, 572 } };
    EXPECT_EQ(NextMinimizedPlace(area, bar, taken), QPoint(200, 572));
    // A work area that does not start at the origin (a bar on the left and on top).
    EXPECT_EQ(NextMinimizedPlace(QRect(60, 30, 740, 570), bar, {}), QPoint(60, 572));
}

TEST(WindowStates, MinimizedBarsStartAgainAtTheBottomWhenTheAreaIsFull)
{
    const QRect area(0, 0, 400, 56);
    const QSize bar(200, 28);
    const std::vector<QPoint> taken = { { 0, 28 }, { 200, 28 }, { 0, 0 }, { 200, 0 } };
    EXPECT_EQ(NextMinimizedPlace(area, bar, taken), QPoint(0, 28));
}

TEST(WindowStates, AMaximizedFrameKeepsAPixelFreeOnlyWhenNoTaskBarShows)
{
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(MaximizedBounds(screen, screen, screen, false), QRect(1, 1, 1278, 1022));
    EXPECT_EQ(MaximizedBounds(screen, screen, screen, true), screen) << "full screen covers it all";
    const QRect work(0, 0, 1280, 984);
    EXPECT_EQ(MaximizedBounds(work, screen, screen, false), work) << "a task bar shows: the work area";
    // A second monitor's full rectangle is not the screen's.
    const QRect second(1280, 0, 1024, 768);
    EXPECT_EQ(MaximizedBounds(second, second, screen, false), second);
}

TEST(WindowStates, TheLargestFrameIsTheWorkAreaUnlessTheFormAsksForLess)
{
    const QRect work(0, 0, 1280, 984);
    EXPECT_EQ(MaxFrameSize(work, 0, 0), QSize(1280, 984));
    EXPECT_EQ(MaxFrameSize(work, 900, 0), QSize(900, 984));
    EXPECT_EQ(MaxFrameSize(work, 2000, 500), QSize(1280, 500)) << "a larger limit changes nothing";
}

TEST(WindowStates, AnEdgeCatchesTheFormAtFourPixelsAndLetsGoAfterMoreThanFive)
{
    const QRect area(0, 0, 800, 600);
    const QSize size(300, 200);
    TvnMagneticState state;
    // The cursor drags the form's corner along: proposed corner and cursor move together.
    const auto moveTo = [&](int left, int top = 100) {
        return MagneticPosition(state, area, QRect(QPoint(left, top), size), QPoint(left + 50, top + 10), 5);
    };
    EXPECT_EQ(moveTo(20), QPoint(20, 100)) << "far from every edge";
    EXPECT_EQ(moveTo(4), QPoint(0, 100)) << "4 pixels away: caught";
    EXPECT_TRUE(state.StuckLeft);
    EXPECT_EQ(moveTo(6), QPoint(0, 100)) << "the cursor moved 2 pixels: still held";
    EXPECT_EQ(moveTo(9), QPoint(0, 100)) << "5 pixels: still held";
    EXPECT_EQ(moveTo(10), QPoint(6, 100)) << "more than 5: the form follows the cursor again";
    EXPECT_FALSE(state.StuckLeft);
    EXPECT_EQ(moveTo(30), QPoint(30, 100));

    // The right and bottom edges hold the far side of the form.
    state.Clear();
    EXPECT_EQ(moveTo(497, 397), QPoint(500, 400));
    EXPECT_TRUE(state.StuckRight);
    EXPECT_TRUE(state.StuckBottom);
    EXPECT_EQ(moveTo(495, 397), QPoint(500, 400));
    // Five pixels away from the edge is not near any more.
    state.Clear();
    EXPECT_EQ(moveTo(5), QPoint(5, 100));
}

TEST(WindowStates, SizingKeepsTheLimitsWithTheFarEdgesInPlace)
{
    const TvnMinMaxInfo limits { QSize(200, 28), QSize(1280, 984) };
    const QRect start(100, 100, 816, 379);
    EXPECT_EQ(SizedRect(start, ht::HTBOTTOMRIGHT, QPoint(40, 21), limits), QRect(100, 100, 856, 400));
    EXPECT_EQ(SizedRect(start, ht::HTBOTTOMRIGHT, QPoint(-900, -900), limits), QRect(100, 100, 200, 28));
    // Dragging the top-left corner too far keeps the bottom-right corner where it was.
    const QRect r = SizedRect(start, ht::HTTOPLEFT, QPoint(900, 900), limits);
    EXPECT_EQ(r, QRect(716, 451, 200, 28));
    EXPECT_EQ(SizedRect(start, ht::HTRIGHT, QPoint(5000, 77), limits), QRect(100, 100, 1280, 379))
        << "only the right edge moves, up to the largest width";
    EXPECT_EQ(SizedRect(start, ht::HTTOP, QPoint(-3, -50), limits), QRect(100, 50, 816, 429));
}

TEST(WindowStates, TheCaptionDoubleClickRestoresMaximizesOrRollsUp)
{
    TvnCaptionClickState s;
    s.Resizable = true;
    EXPECT_EQ(CaptionDoubleClickAction(s), TvnCaptionDoubleClick::ToggleRollUp) << "no maximize icon";
    s.MaximizeIcon = true;
    EXPECT_EQ(CaptionDoubleClickAction(s), TvnCaptionDoubleClick::Maximize);
    s.Maximized = true;
    EXPECT_EQ(CaptionDoubleClickAction(s), TvnCaptionDoubleClick::Restore);
    s.RollUpFromMaximized = true;
    EXPECT_EQ(CaptionDoubleClickAction(s), TvnCaptionDoubleClick::ToggleRollUp);
    s = {};
    s.Resizable = true;
    s.Minimized = true;
    EXPECT_EQ(CaptionDoubleClickAction(s), TvnCaptionDoubleClick::Restore);
    s.Resizable = false;
    s.MaximizeIcon = true;
    EXPECT_EQ(CaptionDoubleClickAction(s), TvnCaptionDoubleClick::ToggleRollUp) << "a dialog never maximizes";
}

TEST(WindowStates, TheFadeClimbsInStepsOfTenCappedAtItsTarget)
{
    const std::vector<int> opaque = FadeSteps(255);
    ASSERT_EQ(opaque.size(), 26u);
    EXPECT_EQ(opaque.front(), 10);
    EXPECT_EQ(opaque[24], 250);
    EXPECT_EQ(opaque.back(), 255);
    EXPECT_EQ(FadeSteps(200).size(), 20u);
    EXPECT_EQ(FadeSteps(200).back(), 200);
    EXPECT_EQ(FadeSteps(5), std::vector<int> { 5 });
    EXPECT_TRUE(FadeSteps(0).empty());
}

TEST(WindowStates, AFormIsCentredWithIntegerHalves)
{
    EXPECT_EQ(CentredIn(QRect(0, 0, 1280, 1024), QSize(816, 379)), QPoint(232, 323));
    EXPECT_EQ(
        CentredIn(QRect(1280, 40, 1025, 700), QSize(301, 200)), QPoint(1280 + 512 - 150, 40 + 350 - 100));
}
