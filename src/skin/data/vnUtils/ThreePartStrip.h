#pragma once
// Three-part strips: a skin rectangle widened (or heightened) with its two ends kept and
// its middle stretched or tiled. Used for caption frames, edit faces, grid cells, scroll
// bar thumbs and the glow picture of a button.
#include "Pieces.h"

#include <QImage>
#include <QRect>

namespace vnutils {

// Pieces of a horizontal strip `width` wide: the left `left` columns of `skinRect` at
// x = 0, the right `right` columns ending at `width`, and the middle (at least one pixel
// wide) stretched or tiled in between.
TvnPieces HorizontalStripPieces(const QRect& skinRect, int left, int right, int width, bool stretchMiddle);
// As above without a right part: the middle runs to the strip's end.
TvnPieces LeftAnchoredStripPieces(const QRect& skinRect, int left, int width, bool stretchMiddle);
// The vertical strip, turned by a quarter: top rows, bottom rows, middle stacked between.
TvnPieces VerticalStripPieces(const QRect& skinRect, int top, int bottom, int height, bool stretchMiddle);

// The strips as images: `width` x the skin rectangle's height, or the skin rectangle's
// width x `height`. A null image when a size is not positive or the source is empty.
QImage HorizontalStrip(
    const QImage& source, const QRect& skinRect, int left, int right, int width, bool stretchMiddle);
QImage LeftAnchoredStrip(
    const QImage& source, const QRect& skinRect, int left, int width, bool stretchMiddle);
QImage VerticalStrip(
    const QImage& source, const QRect& skinRect, int top, int bottom, int height, bool stretchMiddle);

} // namespace vnutils
