#include "skin/data/vnUtils/Marks.h"

#include "ImageHelpers.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace vnutils;

namespace {

std::vector<QPoint> Pts(std::initializer_list<QPoint> pts)
{
    std::vector<QPoint> v(pts);
    std::sort(v.begin(), v.end(),
        [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    return v;
}

// Widths of the rows (or heights of the columns) a mark covers, in order.
std::vector<int> RowWidths(const std::vector<QPoint>& pixels)
{
    std::map<int, int> rows;
    for (QPoint p : pixels)
        ++rows[p.y()];
    std::vector<int> out;
    for (auto [y, n] : rows)
        out.push_back(n);
    return out;
}

std::vector<int> ColumnHeights(const std::vector<QPoint>& pixels)
{
    std::map<int, int> columns;
    for (QPoint p : pixels)
        ++columns[p.x()];
    std::vector<int> out;
    for (auto [x, n] : columns)
        out.push_back(n);
    return out;
}

} // namespace

TEST(Marks, SmallDownTriangleRowsAreFiveThreeOneWide)
{
    EXPECT_EQ(MarkPixels(TvnMark::SmallDownTriangle, { 10, 20 }),
        Pts({ { 8, 20 }, { 9, 20 }, { 10, 20 }, { 11, 20 }, { 12, 20 }, { 9, 21 }, { 10, 21 }, { 11, 21 },
            { 10, 22 } }));
}

TEST(Marks, ArrowsGrowOneStepAtATime)
{
    const QPoint c = MarkCentre(QRect(0, 0, 21, 15)); // (10, 7)
    EXPECT_EQ(c, QPoint(10, 7));
    const auto left = MarkPixels(TvnMark::ArrowLeft, c);
    EXPECT_EQ(ColumnHeights(left), (std::vector<int> { 1, 3, 5, 7 }));
    EXPECT_EQ(left.front(), QPoint(11, 4)); // top of the tallest column, cx + 1
    EXPECT_EQ(ColumnHeights(MarkPixels(TvnMark::ArrowRight, c)), (std::vector<int> { 7, 5, 3, 1 }));
    const auto up = MarkPixels(TvnMark::ArrowUp, c);
    EXPECT_EQ(RowWidths(up), (std::vector<int> { 1, 3, 5, 7 }));
    EXPECT_EQ(up.front(), QPoint(10, 5));
    EXPECT_EQ(RowWidths(MarkPixels(TvnMark::ArrowDown, c)), (std::vector<int> { 7, 5, 3, 1 }));
}

TEST(Marks, LinesStopJustBeforeTheirEndPoint)
{
    // Each of the four strokes of the cross covers 8 pixels; none reaches its end point.
    const auto cross = MarkPixels(TvnMark::CloseCross, { 0, 0 });
    EXPECT_EQ(cross.size(), 32u - 2u); // the strokes meet at (5, 5) and (5, 4)
    EXPECT_EQ(std::count(cross.begin(), cross.end(), QPoint(9, 9)), 0);
    EXPECT_EQ(std::count(cross.begin(), cross.end(), QPoint(1, 1)), 1);
    EXPECT_EQ(RowWidths(MarkPixels(TvnMark::MinimizeBar, { 0, 0 })), (std::vector<int> { 8, 8 }));
    // The polyline's last point is not drawn: the check mark ends one short of x + 7.
    const auto check = MarkPixels(TvnMark::CheckMark, { 0, 0 });
    EXPECT_EQ(check.size(), 21u);
    EXPECT_EQ(std::count_if(check.begin(), check.end(), [](QPoint p) { return p.x() >= 7; }), 0);
}

TEST(Marks, RollTrianglesPointDownAndUp)
{
    EXPECT_EQ(RowWidths(MarkPixels(TvnMark::RollDownTriangle, { 0, 0 })), (std::vector<int> { 8, 6, 4, 2 }));
    EXPECT_EQ(RowWidths(MarkPixels(TvnMark::RollUpTriangle, { 0, 0 })), (std::vector<int> { 2, 4, 6, 8 }));
}

TEST(Marks, BoxesAreOutlinesWithAThickTop)
{
    const auto box = MarkPixels(TvnMark::MaximizeBox, { 0, 0 });
    EXPECT_EQ(RowWidths(box), (std::vector<int> { 11, 11, 2, 2, 2, 2, 2, 2, 2, 11 }));
    EXPECT_EQ(RowWidths(MarkPixels(TvnMark::TrayBar, { 0, 0 })), (std::vector<int> { 8, 2, 8 }));
    EXPECT_EQ(MarkPixels(TvnMark::FilledSmallSquare, { 0, 0 }).size(), 25u);
    EXPECT_EQ(MarkPixels(TvnMark::FilledSquare, { 3, 4 }).front(), QPoint(3, 4));
    EXPECT_EQ(MarkPixels(TvnMark::FilledSquare, { 3, 4 }).back(), QPoint(8, 9));
}

TEST(Marks, DrawnMarksColourExactlyTheirPixels)
{
    QImage canvas = testimg::Filled(30, 30, qRgb(255, 255, 255));
    {
        QPainter painter(&canvas);
        DrawMark(painter, TvnMark::RestoreBoxes, { 5, 6 }, Qt::black);
    }
    const auto pixels = MarkPixels(TvnMark::RestoreBoxes, { 5, 6 });
    int black = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (canvas.pixel(x, y) == qRgb(0, 0, 0)) {
                ++black;
                EXPECT_NE(std::find(pixels.begin(), pixels.end(), QPoint(x, y)), pixels.end())
                    << x << "," << y;
            }
    EXPECT_EQ(black, int(pixels.size()));
}

TEST(Marks, FlatFrameGivesTheCornersToTheSecondColour)
{
    QImage canvas = testimg::Filled(10, 8, qRgb(255, 255, 255));
    {
        QPainter painter(&canvas);
        DrawFlatFrame(painter, QRect(1, 1, 6, 5), Qt::red, Qt::black);
    }
    EXPECT_EQ(canvas.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(5, 1), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(6, 1), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 5), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 4), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(3, 3), qRgb(255, 255, 255));
}
