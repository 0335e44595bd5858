#pragma once
// The classic sunken edges in system colours: the one-line edge of a shallow well (a
// progress bar) and the two-line edge of a field (edit, grid, tree).
#include <QRect>

class QPainter;

void DrawShallowEdge(QPainter& painter, const QRect& rect);
void DrawSunkenEdge(QPainter& painter, const QRect& rect);
