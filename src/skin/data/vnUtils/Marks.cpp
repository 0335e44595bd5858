#include "Marks.h"

#include "SkinRect.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace vnutils {

namespace {

// A line from (x0, y0) up to, not including, (x1, y1) (horizontal, vertical or at 45
// degrees), or a filled rectangle [x0, x1) x [y0, y1).
struct Stroke {
    bool fill;
    int x0, y0, x1, y1;
};

constexpr Stroke L(int x0, int y0, int x1, int y1) { return { false, x0, y0, x1, y1 }; }
constexpr Stroke F(int x0, int y0, int x1, int y1) { return { true, x0, y0, x1, y1 }; }

struct MarkTable {
    TvnMark mark;
    std::vector<Stroke> strokes;
};

// Centred marks are relative to the centre, the others to the top-left position.
const MarkTable kMarks[] = {
    { TvnMark::SmallDownTriangle, { L(-2, 0, 3, 0), L(-1, 1, 2, 1), L(0, 2, 1, 2) } },
    { TvnMark::ArrowLeft, { L(-2, 0, -2, 1), L(-1, -1, -1, 2), L(0, -2, 0, 3), L(1, -3, 1, 4) } },
    { TvnMark::ArrowRight, { L(-1, -3, -1, 4), L(0, -2, 0, 3), L(1, -1, 1, 2), L(2, 0, 2, 1) } },
    { TvnMark::ArrowUp, { L(0, -2, 1, -2), L(-1, -1, 2, -1), L(-2, 0, 3, 0), L(-3, 1, 4, 1) } },
    { TvnMark::ArrowDown, { L(-3, -1, 4, -1), L(-2, 0, 3, 0), L(-1, 1, 2, 1), L(0, 2, 1, 2) } },
    { TvnMark::FilledSquare, { F(0, 0, 6, 6) } },
    { TvnMark::CheckMark,
        { L(0, 5, 2, 7), L(2, 7, 7, 2), L(0, 4, 2, 6), L(2, 6, 7, 1), L(0, 3, 2, 5), L(2, 5, 7, 0) } },
    { TvnMark::CloseCross, { L(1, 1, 9, 9), L(9, 1, 1, 9), L(2, 1, 10, 9), L(8, 1, 0, 9) } },
    { TvnMark::MinimizeBar, { L(1, 8, 9, 8), L(1, 9, 9, 9) } },
    // Rectangle outlines: the outer ring of [left, right) x [top, bottom).
    { TvnMark::MaximizeBox,
        { L(0, 0, 11, 0), L(0, 9, 11, 9), L(0, 0, 0, 10), L(10, 0, 10, 10), L(0, 1, 11, 1) } },
    { TvnMark::RestoreBoxes,
        { L(2, 0, 10, 0), L(2, 5, 10, 5), L(2, 0, 2, 6), L(9, 0, 9, 6), L(2, 1, 10, 1), L(0, 4, 7, 4),
            L(0, 9, 7, 9), L(0, 4, 0, 10), L(6, 4, 6, 10), L(0, 5, 7, 5) } },
    { TvnMark::RollDownTriangle,
        { L(5, 6, 5, 6), L(4, 5, 6, 5), L(3, 4, 7, 4), L(2, 3, 8, 3), L(1, 2, 9, 2) } },
    { TvnMark::RollUpTriangle,
        { L(1, 6, 9, 6), L(2, 5, 8, 5), L(3, 4, 7, 4), L(4, 3, 6, 3), L(5, 2, 5, 2) } },
    { TvnMark::TrayBar, { L(1, 3, 9, 3), L(1, 5, 9, 5), L(1, 3, 1, 6), L(8, 3, 8, 6) } },
    { TvnMark::FilledSmallSquare, { F(2, 2, 7, 7) } },
};

int Sign(int v) { return (v > 0) - (v < 0); }

void AddStroke(std::vector<QPoint>& out, const Stroke& s, QPoint o)
{
    if (s.fill) {
        for (int y = s.y0; y < s.y1; ++y)
            for (int x = s.x0; x < s.x1; ++x)
                out.push_back(o + QPoint(x, y));
        return;
    }
    const int sx = Sign(s.x1 - s.x0), sy = Sign(s.y1 - s.y0);
    const int steps = std::max(std::abs(s.x1 - s.x0), std::abs(s.y1 - s.y0));
    for (int i = 0; i < steps; ++i)
        out.push_back(o + QPoint(s.x0 + i * sx, s.y0 + i * sy));
}

} // namespace

QPoint MarkCentre(const QRect& r) { return { (r.x() + RectRight(r)) / 2, (r.y() + RectBottom(r)) / 2 }; }

std::vector<QPoint> MarkPixels(TvnMark mark, QPoint origin)
{
    std::vector<QPoint> pixels;
    for (const MarkTable& entry : kMarks) {
        if (entry.mark != mark) continue;
        for (const Stroke& s : entry.strokes)
            AddStroke(pixels, s, origin);
    }
    std::sort(pixels.begin(), pixels.end(),
        [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    return pixels;
}

void DrawMark(QPainter& painter, TvnMark mark, QPoint origin, const QColor& color)
{
    for (QPoint p : MarkPixels(mark, origin))
        painter.fillRect(QRect(p, QSize(1, 1)), color);
}

void DrawFlatFrame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (RectEmpty(r)) return;
    const int w = r.width(), h = r.height();
    painter.fillRect(QRect(r.x(), r.y(), w - 1, 1), topLeft);
    painter.fillRect(QRect(r.x(), r.y(), 1, h - 1), topLeft);
    painter.fillRect(QRect(r.x(), r.y() + h - 1, w, 1), bottomRight);
    painter.fillRect(QRect(r.x() + w - 1, r.y(), 1, h), bottomRight);
}

} // namespace vnutils
