#include "GridGeometry.h"

#include <algorithm>

namespace grid {

int CellSize(const TAxis& a, int index)
{
    return index >= 0 && index < a.Sizes.size() ? a.Sizes[index] : a.DefaultSize;
}

int FixedExtent(const TAxis& a)
{
    int end = 0;
    for (int i = 0; i < std::min(a.Fixed, a.Count); ++i)
        end += CellSize(a, i) + a.LineWidth;
    return end;
}

int CellStart(const TAxis& a, int index)
{
    if (index < 0 || index >= a.Count) return -1;
    if (index < a.Fixed) {
        int start = 0;
        for (int i = 0; i < index; ++i)
            start += CellSize(a, i) + a.LineWidth;
        return start;
    }
    if (index < a.First) return -1;
    int start = FixedExtent(a);
    for (int i = a.First; i < index; ++i) {
        start += CellSize(a, i) + a.LineWidth;
        if (start >= a.Extent) return -1;
    }
    return start < a.Extent ? start : -1;
}

int CellAt(const TAxis& a, int position)
{
    if (position < 0 || position >= a.Extent) return -1;
    int start = 0;
    for (int i = 0; i < std::min(a.Fixed, a.Count); ++i) {
        start += CellSize(a, i) + a.LineWidth;
        if (position < start) return i;
    }
    for (int i = std::max(a.First, a.Fixed); i < a.Count && start < a.Extent; ++i) {
        start += CellSize(a, i) + a.LineWidth;
        if (position < start) return i;
    }
    return -1;
}

int FullyVisibleCount(const TAxis& a)
{
    int end = FixedExtent(a);
    int count = 0;
    for (int i = std::max(a.First, a.Fixed); i < a.Count; ++i) {
        end += CellSize(a, i);
        if (end > a.Extent) break;
        end += a.LineWidth;
        ++count;
    }
    const bool anyLeft = std::max(a.First, a.Fixed) < a.Count;
    return anyLeft ? std::max(1, count) : 0;
}

int VisibleEnd(const TAxis& a)
{
    int start = FixedExtent(a);
    int i = std::max(a.First, a.Fixed);
    while (i < a.Count && start < a.Extent) {
        start += CellSize(a, i) + a.LineWidth;
        ++i;
    }
    return i;
}

QList<int> VisibleCells(const TAxis& a)
{
    QList<int> cells;
    for (int i = 0; i < std::min(a.Fixed, a.Count); ++i)
        cells.append(i);
    for (int i = std::max(a.First, a.Fixed), end = VisibleEnd(a); i < end; ++i)
        cells.append(i);
    return cells;
}

namespace {
// The smallest First whose cells up to `last` still fit wholly (at least `last` itself).
int FirstEndingAt(const TAxis& a, int last)
{
    int room = a.Extent - FixedExtent(a) - CellSize(a, last);
    int first = last;
    while (first > a.Fixed) {
        const int need = CellSize(a, first - 1) + a.LineWidth;
        if (need > room) break;
        room -= need;
        --first;
    }
    return first;
}
} // namespace

int MaxFirst(const TAxis& a)
{
    if (a.Count <= a.Fixed) return a.Fixed;
    return FirstEndingAt(a, a.Count - 1);
}

int FirstToShow(const TAxis& a, int index)
{
    if (index < a.Fixed || index >= a.Count) return a.First;
    if (index < a.First) return index;
    if (index < a.First + FullyVisibleCount(a)) return a.First;
    return FirstEndingAt(a, index);
}

namespace {
// Where the cells end along an axis, so lines stop with them.
int CellsEnd(const TAxis& a, int origin)
{
    int last = origin + FixedExtent(a);
    for (int i = std::max(a.First, a.Fixed), e = VisibleEnd(a); i < e; ++i)
        last += CellSize(a, i) + a.LineWidth;
    return std::min(last, origin + a.Extent);
}

// The lines after the cells of one axis: across the fixed cells of the other axis (up to
// fixedEnd) and across its scrolling cells (up to end). `vertical` says the axis runs
// across the screen, so its lines stand upright.
void AppendLines(QList<QRect>& lines, const TAxis& a, int origin, int acrossOrigin, int fixedEnd, int end,
    bool fixedLines, bool cellLines, bool vertical)
{
    if (a.LineWidth <= 0) return;
    auto line = [&](int at, int from, int to) {
        return vertical ? QRect(at, from, a.LineWidth, to - from) : QRect(from, at, to - from, a.LineWidth);
    };
    for (int i : VisibleCells(a)) {
        const int start = CellStart(a, i);
        if (start < 0) continue;
        const int at = origin + start + CellSize(a, i);
        if (fixedLines && fixedEnd > acrossOrigin) lines.append(line(at, acrossOrigin, fixedEnd));
        if (i < a.Fixed ? fixedLines : cellLines) lines.append(line(at, fixedEnd, end));
    }
}

} // namespace

QList<QRect> LineRects(const TAxis& cols, const TAxis& rows, const QRect& area, TGridOptions options)
{
    QList<QRect> lines;
    const int fixedBottom = area.y() + FixedExtent(rows);
    const int fixedRight = area.x() + FixedExtent(cols);
    AppendLines(lines, cols, area.x(), area.y(), fixedBottom, CellsEnd(rows, area.y()),
        options & goFixedVertLine, options & goVertLine, true);
    AppendLines(lines, rows, area.y(), area.x(), fixedRight, CellsEnd(cols, area.x()),
        options & goFixedHorzLine, options & goHorzLine, false);
    return lines;
}

} // namespace grid
