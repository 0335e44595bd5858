#pragma once
// How a skin rectangle is cut into nine parts and how its parts grow: four corner points,
// the client rectangle, and whether each edge and the middle are stretched or tiled.
// Frame information, the popup and hint windows, control records and the nine-part
// composition all hold this one value, so a record hands its geometry on as it is.
//
// Points and the client rectangle are relative to the skin rectangle's top-left corner
// (or to the frame picture's); rectangles follow vnUtils/SkinRect.h (outer edges at
// x + width, y + height).
#include "SkinTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The four corner points: the top edge runs from LeftTop.x to RightTop.x, the bottom edge
// from LeftBottom.x to RightBottom.x, the left edge from LeftTop.y to LeftBottom.y and the
// right edge from RightTop.y to RightBottom.y.
struct TvnCornerPoints {
    QPoint LeftTop, RightTop, LeftBottom, RightBottom;
    friend bool operator==(const TvnCornerPoints&, const TvnCornerPoints&) = default;
};

// The corner points of a picture grown by dx across and dy down: the right points move
// right by dx, the bottom points down by dy.
inline TvnCornerPoints GrownCorners(const TvnCornerPoints& c, int dx, int dy)
{
    return { c.LeftTop, c.RightTop + QPoint(dx, 0), c.LeftBottom + QPoint(0, dy),
        c.RightBottom + QPoint(dx, dy) };
}

struct TvnSkinGeometry {
    TvnCornerPoints Corners;
    QRect ClientRect;
    bool LeftStretch = false; // stretch rather than tile the left edge
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false; // stretch rather than tile the middle
    TvnStretchType StretchType = TvnStretchType::Full;
    friend bool operator==(const TvnSkinGeometry&, const TvnSkinGeometry&) = default;
};

// A rectangle of a `skin`-sized picture moved to a size dx wider and dy higher: one lying
// in a corner area follows that corner; one reaching from one area into another grows
// between them (left-top to right-bottom: both ways; to right-top: across; left-bottom
// to right-bottom: across, moving down; left-top to left-bottom: down; right-top to
// right-bottom: moving right, down); any other stays. Areas exclude their right and
// bottom edges.
QRect MoveWithCorners(const QRect& r, const TvnCornerPoints& corners, QSize skin, int dx, int dy);
