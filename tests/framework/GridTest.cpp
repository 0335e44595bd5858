// The cell grid: navigation that stops at the ends, the current row kept in view, the
// mouse, the scroll state an external bar follows, and painting of the visible rows only.
#include "framework/Form.h"
#include "framework/grids/DrawGrid.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PhotoGrid {
    TForm form;
    TDrawGrid grid { &form };
    int drawn = 0;
    QList<int> drawnRows;

    explicit PhotoGrid(int rows)
    {
        form.SetBounds(60, 60, 460, 200);
        grid.SetParent(form.ClientWidget());
        grid.SetBounds(8, 8, 407, 113);
        grid.SetBorderStyle(bsNoBorder);
        grid.SetColCount(2);
        grid.SetFixedCols(0);
        grid.SetFixedRows(1);
        grid.SetDefaultRowHeight(17);
        grid.SetColWidth(0, 200);
        grid.SetRowCount(rows + 1);
        grid.SetOptions(grid.Options() | goRowSelect);
        grid.OnDrawCell = [this](QObject*, QPainter*, int, int row, QRect, TGridDrawState) {
            ++drawn;
            if (!drawnRows.contains(row)) drawnRows.append(row);
        };
    }
    void Show()
    {
        form.Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        grid.setFocus();
        ASSERT_TRUE(testenv::waitFor([&] { return grid.hasFocus(); }));
    }
    bool RowShows(int row) const
    {
        const QRect r = grid.CellRect(0, row);
        return !r.isEmpty() && r.bottom() < grid.GridRect().bottom() + 1;
    }
};

} // namespace

TEST(Grid, CellRectanglesAndHitTestAgreeAtTheEdges)
{
    PhotoGrid g(300);
    // 113 pixels of 17-pixel rows with 1-pixel lines: the title row and 5 whole rows.
    EXPECT_EQ(g.grid.VisibleRowCount(), 5);
    const QRect first = g.grid.CellRect(0, 1);
    EXPECT_EQ(first, QRect(0, 18, 200, 17));
    EXPECT_EQ(g.grid.MouseCoord(first.topLeft()), (TGridCoord { 0, 1 }));
    EXPECT_EQ(g.grid.MouseCoord(first.bottomRight()), (TGridCoord { 0, 1 }));
    EXPECT_EQ(g.grid.MouseCoord(first.bottomRight() + QPoint(1, 1)), (TGridCoord { 0, 1 }))
        << "the line after a cell belongs to it";
    EXPECT_EQ(g.grid.MouseCoord(first.bottomRight() + QPoint(2, 2)), (TGridCoord { 1, 2 }));
    EXPECT_TRUE(g.grid.CellRect(0, 200).isEmpty()) << "a row out of view has no rectangle";
    g.grid.SetTopRow(200);
    EXPECT_EQ(g.grid.CellRect(0, 200), first);
    EXPECT_EQ(g.grid.MouseCoord(first.center()), (TGridCoord { 0, 200 }));
    EXPECT_EQ(g.grid.MouseCoord(QPoint(5, 5)), (TGridCoord { 0, 0 })) << "the fixed row stays";
}

TEST(Grid, KeyboardNavigationClampsAtTheEndsAndKeepsTheCurrentRowInView)
{
    PhotoGrid g(300);
    g.Show();
    EXPECT_EQ(g.grid.Row(), 1);
    QTest::keyClick(&g.grid, Qt::Key_Up);
    EXPECT_EQ(g.grid.Row(), 1) << "the title row is never current";
    QTest::keyClick(&g.grid, Qt::Key_PageDown);
    EXPECT_EQ(g.grid.Row(), 6);
    EXPECT_TRUE(g.RowShows(g.grid.Row()));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&g.grid, Qt::Key_PageDown);
    EXPECT_EQ(g.grid.Row(), 21);
    EXPECT_TRUE(g.RowShows(21));
    QTest::keyClick(&g.grid, Qt::Key_End);
    EXPECT_EQ(g.grid.Row(), 300);
    EXPECT_TRUE(g.RowShows(300));
    EXPECT_EQ(g.grid.TopRow(), 296) << "the last row sits at the bottom";
    QTest::keyClick(&g.grid, Qt::Key_Down);
    QTest::keyClick(&g.grid, Qt::Key_PageDown);
    EXPECT_EQ(g.grid.Row(), 300);
    QTest::keyClick(&g.grid, Qt::Key_PageUp);
    EXPECT_EQ(g.grid.Row(), 295);
    EXPECT_TRUE(g.RowShows(295));
    QTest::keyClick(&g.grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(g.grid.Row(), 1);
    EXPECT_EQ(g.grid.TopRow(), 1);
    QTest::keyClick(&g.grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(g.grid.Row(), 300);
    EXPECT_EQ(g.grid.Col(), 1);

    // Without whole-row selection the arrows move between columns and stop at the edges.
    g.grid.SetOptions(g.grid.Options() & ~TGridOptions(goRowSelect));
    QTest::keyClick(&g.grid, Qt::Key_Right);
    EXPECT_EQ(g.grid.Col(), 1);
    QTest::keyClick(&g.grid, Qt::Key_Home);
    EXPECT_EQ(g.grid.Col(), 0);
    EXPECT_EQ(g.grid.Row(), 300);
    QTest::keyClick(&g.grid, Qt::Key_Left);
    EXPECT_EQ(g.grid.Col(), 0);
}

TEST(Grid, DoubleClickReportsTheRowItsClickSelected)
{
    PhotoGrid g(300);
    g.Show();
    g.grid.SetTopRow(40);
    QList<int> clicked;
    g.grid.OnDblClick = [&](QObject*) { clicked.append(g.grid.Row()); };
    QList<int> asked;
    g.grid.OnSelectCell = [&](QObject*, int, int row, bool& can) {
        asked.append(row);
        can = row != 42;
    };
    QTest::mouseDClick(&g.grid, Qt::LeftButton, {}, g.grid.CellRect(1, 43).center());
    EXPECT_EQ(clicked, QList<int>({ 43 }));
    EXPECT_EQ(asked.first(), 43) << "the row was selected before the double click ran";
    // A refused cell stays unselected.
    QTest::mouseClick(&g.grid, Qt::LeftButton, {}, g.grid.CellRect(0, 42).center());
    EXPECT_EQ(g.grid.Row(), 43);
}

TEST(Grid, ScrollStateFollowsTheRowsAndAnExternalBarDrivesIt)
{
    PhotoGrid g(300);
    QList<TScrollInfo> published;
    g.grid.AddScrollListener(&g, [&](TScrollBarKind kind, const TScrollInfo& info) {
        if (kind == sbVertical) published.append(info);
    });
    TScrollInfo v = g.grid.ScrollInfo(sbVertical);
    EXPECT_EQ(v.Max, 299);
    EXPECT_EQ(v.PageSize, 5);
    EXPECT_EQ(v.Position, 0);
    EXPECT_TRUE(v.Needed());
    EXPECT_FALSE(g.grid.ScrollInfo(sbHorizontal).Needed()) << "both columns fit";

    g.grid.Perform(msg::WM_VSCROLL, msg::SB_THUMBPOSITION, 150);
    EXPECT_EQ(g.grid.TopRow(), 151);
    ASSERT_FALSE(published.isEmpty());
    EXPECT_EQ(published.last().Position, 150);
    EXPECT_EQ(g.grid.Row(), 1) << "scrolling leaves the current row where it is";
    g.grid.Perform(msg::WM_VSCROLL, msg::SB_PAGEDOWN, 0);
    EXPECT_EQ(g.grid.TopRow(), 156);
    g.grid.Perform(msg::WM_VSCROLL, msg::SB_BOTTOM, 0);
    EXPECT_EQ(g.grid.TopRow(), 296);
    g.grid.Perform(msg::WM_VSCROLL, msg::SB_LINEDOWN, 0);
    EXPECT_EQ(g.grid.TopRow(), 296);
    g.grid.Perform(msg::WM_VSCROLL, msg::SB_THUMBTRACK, -20);
    EXPECT_EQ(g.grid.TopRow(), 1);
    const int before = published.size();
    g.grid.Perform(msg::WM_VSCROLL, msg::SB_LINEUP, 0);
    EXPECT_EQ(published.size(), before) << "nothing changed, nothing published";

    g.grid.SetRowCount(4);
    EXPECT_FALSE(g.grid.ScrollInfo(sbVertical).Needed()) << "three rows fit";
    EXPECT_EQ(published.last().Max, 2);
}

TEST(Grid, RepaintDrawsTheVisibleRowsOnlyWhateverTheRowCount)
{
    for (int rows : { 300, 100000 }) {
        PhotoGrid g(rows);
        g.Show();
        g.grid.SetTopRow(rows / 2);
        g.drawn = 0;
        g.drawnRows.clear();
        g.grid.repaint();
        // The title row, five whole rows and the part of a sixth, two columns each.
        EXPECT_EQ(g.drawn, 14) << rows;
        EXPECT_EQ(g.drawnRows,
            QList<int>({ 0, rows / 2, rows / 2 + 1, rows / 2 + 2, rows / 2 + 3, rows / 2 + 4, rows / 2 + 5 }))
            << rows;
    }
}

TEST(Grid, SelectedRowStaysDrawnWithoutFocusOnlyWhenAsked)
{
    PhotoGrid g(20);
    g.grid.SetRow(3);
    EXPECT_TRUE(g.grid.CellState(0, 3) & gdSelected) << "always shown by default";
    g.grid.SetOptions(g.grid.Options() & ~TGridOptions(goAlwaysShowSelection));
    EXPECT_FALSE(g.grid.CellState(0, 3) & gdSelected);
    EXPECT_TRUE(g.grid.CellState(1, 0) & gdFixed);
}

TEST(Grid, DraggingAColumnLineInTheTitleRowSizesTheColumn)
{
    PhotoGrid g(20);
    g.grid.SetOptions(g.grid.Options() | goColSizing);
    g.Show();
    const int line = g.grid.CellRect(0, 0).right() + 1;
    QTest::mousePress(&g.grid, Qt::LeftButton, {}, QPoint(line, 8));
    QMouseEvent move(QEvent::MouseMove, QPointF(line - 50, 8), g.grid.mapToGlobal(QPointF(line - 50, 8)),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&g.grid, &move);
    QTest::mouseRelease(&g.grid, Qt::LeftButton, {}, QPoint(line - 50, 8));
    EXPECT_EQ(g.grid.ColWidth(0), 150);
    EXPECT_EQ(g.grid.Row(), 1) << "sizing selects nothing";
    // The same drag over a data row is a click, not a sizing.
    QTest::mouseClick(&g.grid, Qt::LeftButton, {}, QPoint(g.grid.CellRect(0, 3).right() + 1, 60));
    EXPECT_EQ(g.grid.ColWidth(0), 150);
}

// Both grid families paint these rectangles: a line after each visible cell, the fixed
// cells' lines by the fixed-line options only, every line stopping where the cells end.
TEST(Grid, LinesFollowTheCellsAndStopWhereTheyEnd)
{
    grid::TAxis cols;
    cols.Count = 3;
    cols.Fixed = 1;
    cols.DefaultSize = 20;
    cols.Extent = 200;
    cols.First = 1;
    grid::TAxis rows = cols;
    rows.Count = 2;
    rows.DefaultSize = 10;
    const QRect area(5, 7, 200, 100);

    const QList<QRect> all = grid::LineRects(
        cols, rows, area, TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine));
    // Cells end at x = 5 + 3 * 21 = 68 and y = 7 + 2 * 11 = 29; the fixed ones at 26 and 18.
    const QList<QRect> expected {
        QRect(25, 7, 1, 11),
        QRect(25, 18, 1, 11), // after the fixed column
        QRect(46, 7, 1, 11),
        QRect(46, 18, 1, 11),
        QRect(67, 7, 1, 11),
        QRect(67, 18, 1, 11),
        QRect(5, 17, 21, 1),
        QRect(26, 17, 42, 1), // after the fixed row
        QRect(5, 28, 21, 1),
        QRect(26, 28, 42, 1),
    };
    EXPECT_EQ(all, expected);

    // Without the fixed-line options the fixed cells draw no lines, even across the
    // scrolling cells; the scrolling cells' lines stop at the fixed ones.
    const QList<QRect> cellsOnly = grid::LineRects(cols, rows, area, TGridOptions(goVertLine | goHorzLine));
    const QList<QRect> expectedCells { QRect(46, 18, 1, 11), QRect(67, 18, 1, 11), QRect(26, 28, 42, 1) };
    EXPECT_EQ(cellsOnly, expectedCells);

    rows.LineWidth = 0;
    EXPECT_EQ(grid::LineRects(cols, rows, area, TGridOptions(goHorzLine)), QList<QRect>())
        << "a zero line width draws no lines";
}
