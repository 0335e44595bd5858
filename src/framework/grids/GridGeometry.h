#pragma once
// Where a grid's cells lie along one axis (columns across, rows down): pure functions of
// the cell count, the fixed cells at the start, the sizes, the line width, the first
// scrolling cell shown and the room there is. Painting, hit testing and scrolling all
// read these; each costs time in proportion to the cells shown, never to the count.
#include "GridTypes.h"

#include <QList>
#include <QRect>

namespace grid {

struct TAxis {
    int Count = 0;
    int Fixed = 0;
    int DefaultSize = 24;
    // Sizes set one by one; an index past the end takes DefaultSize.
    QList<int> Sizes;
    int LineWidth = 1;
    // The first scrolling cell shown after the fixed ones.
    int First = 0;
    // The room for cells along the axis.
    int Extent = 0;
};

int CellSize(const TAxis& axis, int index);
// The start of a cell, or -1 when it is scrolled out of view or starts past the room.
int CellStart(const TAxis& axis, int index);
// The cell at `position`, or -1 (on no cell, or past the last one).
int CellAt(const TAxis& axis, int position);
// The end of the fixed cells (their sizes and lines).
int FixedExtent(const TAxis& axis);
// How many scrolling cells fit wholly from First on (at least 1 while any is left).
int FullyVisibleCount(const TAxis& axis);
// The index one past the last cell that shows at least in part.
int VisibleEnd(const TAxis& axis);
// The cells on screen, in order: the fixed ones, then the scrolling ones from First.
QList<int> VisibleCells(const TAxis& axis);
// The largest First that still fills the room up to the last cell.
int MaxFirst(const TAxis& axis);
// The First that brings `index` wholly into view, moving as little as possible.
int FirstToShow(const TAxis& axis, int index);

// The grid lines inside `area`: one after each visible cell, those of fixed cells drawn by
// the fixed-line options, each stopping where the cells end. Both grid families paint
// these rectangles, so a skinned grid's lines fall where the plain grid's would.
QList<QRect> LineRects(const TAxis& cols, const TAxis& rows, const QRect& area, TGridOptions options);

} // namespace grid
