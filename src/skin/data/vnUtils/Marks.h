#pragma once
// The small marks of the default looks (arrows, caption button symbols, check marks),
// pixel for pixel. Each mark is a table of strokes; a line covers its start point up to,
// but not including, its end point.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <vector>

class QPainter;

namespace vnutils {

enum class TvnMark {
    // Centred on a point (MarkCentre of a rectangle):
    SmallDownTriangle,
    ArrowLeft, // arrow kind 1
    ArrowRight, // kind 2
    ArrowUp, // kind 3
    ArrowDown, // kind 4
    // Placed with their top-left at a point:
    FilledSquare,
    CheckMark,
    CloseCross,
    MinimizeBar,
    MaximizeBox,
    RestoreBoxes,
    RollDownTriangle,
    RollUpTriangle,
    TrayBar,
    FilledSmallSquare,
};

// The centre the centred marks use: ((left + right) div 2, (top + bottom) div 2).
QPoint MarkCentre(const QRect& r);

// The pixels of `mark` at `origin` (the centre or the top-left corner), each once.
std::vector<QPoint> MarkPixels(TvnMark mark, QPoint origin);

void DrawMark(QPainter& painter, TvnMark mark, QPoint origin, const QColor& color);

// A one-pixel frame just inside `r`: top and left in `topLeft`, bottom and right in
// `bottomRight` (which owns the two corners where they meet).
void DrawFlatFrame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

} // namespace vnutils
