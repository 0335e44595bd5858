#pragma once
// The classic sunken edges in system colours: the one-line edge of a shallow well (a
// progress bar) and the two-line edge of a field (edit, grid, tree); and a plain
// one-pixel outline.
#include <QRect>

class QColor;
class QPainter;

// The one-pixel line along the inside of `rect`, in an opaque `color`: the same pixels as
// a one-pixel pen's drawRect of the rectangle a pixel smaller, filled as four strips,
// which costs a fraction of the pen's stroke.
void DrawOutline(QPainter& painter, const QRect& rect, const QColor& color);

void DrawShallowEdge(QPainter& painter, const QRect& rect);
void DrawSunkenEdge(QPainter& painter, const QRect& rect);
