#pragma once
// Nine-part composition: a skin rectangle cut by four corner points and a client
// rectangle into corners, four edges and a middle, drawn at any size with the edges and
// the middle stretched or tiled. Window frames, controls, the popup and the hint window
// all draw through this one composition.
//
// Points and the client rectangle are relative to the skin rectangle's top-left corner;
// rectangles follow SkinRect.h (outer edges at x + width, y + height).
#include "../SkinGeometry.h"
#include "Pieces.h"
#include "SkinRect.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vnutils {

// A skin rectangle of the source picture and how it is cut and grows.
struct TvnNinePart {
    QRect SkinRect; // in the source picture
    TvnSkinGeometry Geometry;
};

// Where the parts land in a target of a given size (target coordinates).
struct TvnNinePartTarget {
    QSize Size;
    TvnCornerPoints Corners;
    QRect ClientRect;
};

// Which size difference the standard target geometry applies: a window frame grows both
// ways, controls that may grow only one way apply only that difference.
enum class TvnGrowth { Both, Horizontal, Vertical };

// The standard target geometry for `size`: with dx, dy the size difference to the skin
// rectangle, the right points move by dx, the bottom points by dy, and the client
// rectangle's right and bottom edges by dx and dy.
TvnNinePartTarget StandardTarget(const TvnNinePart& parts, QSize size, TvnGrowth growth = TvnGrowth::Both);

// The pieces of a composition, in drawing order: the four edges, the eight corner
// pieces, then the middle when `drawMiddle` is set. Source rectangles are in the picture.
TvnPieces NinePartPieces(const TvnNinePart& parts, const TvnNinePartTarget& to, bool drawMiddle);

// The pieces that fill `to` from the picture's rectangle `tile`: tiled from the top-left
// corner, or, with `stretch`, scaled (Full), scaled to `to`'s height and repeated across
// (Horz), or scaled to `to`'s width and repeated down (Vert). Nothing for an empty `to`
// or `tile`.
TvnPieces MiddlePieces(const QRect& to, const QRect& tile, bool stretch, TvnStretchType type);

// Sets `target` to the target size and composes into it. A target that already has the
// size and a 32-bit format is drawn over as it is; otherwise it is made anew (black).
// Nothing is drawn when the right-bottom point shares x or y with the left-top point or
// the source is empty.
void ComposeNineParts(QImage& target, const QImage& source, const TvnNinePart& parts,
    const TvnNinePartTarget& to, bool drawMiddle = true);

// For records without corner points: the margins outside `clientRect` keep their size
// and everything between them is scaled to the size of `target`, which the caller sets.
void StretchSkinRect(QImage& target, const QImage& source, const QRect& skinRect, const QRect& clientRect,
    bool drawMiddle = true);

// Fills `to` in `target` from the picture's rectangle `tile` (MiddlePieces).
void FillMiddle(QImage& target, const QRect& to, const QImage& source, const QRect& tile, bool stretch,
    TvnStretchType type);

// Resizes `target` to `size` in `format` unless it already has both (then it is kept,
// pixels and all); a new image starts black.
void PrepareTarget(QImage& target, QSize size, QImage::Format format);

} // namespace vnutils
