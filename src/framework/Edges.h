#pragma once
// The sunken two-line edge of a classic field (edit, grid, tree) in system colours.
#include <QRect>

class QPainter;

void DrawSunkenEdge(QPainter& painter, const QRect& rect);
