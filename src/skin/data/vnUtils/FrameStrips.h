#pragma once
// The four border images of a window frame, built separately so the frame can draw them
// around its client area without ever covering it, and so the mask can be cut the same
// way for the window's shape.
#include "NinePart.h"

#include <QImage>
#include <QSize>

namespace vnutils {

struct TvnFrameStrips {
    QImage Top; // W x client top, drawn at (0, 0)
    QImage Bottom; // W x (H - client bottom), drawn at (0, H - its height)
    QImage Left; // client left x client height, drawn at (0, top height)
    QImage Right; // (W - client right) x client height, drawn at (W - its width, top height)
};

enum class TvnStrip { Top, Bottom, Left, Right };

// The size of one strip and its pieces in strip coordinates. Size is empty when the
// strip is not built (a size or the source span of its edge is not positive).
struct TvnStripLayout {
    QSize Size;
    TvnPieces Pieces;
};

TvnStripLayout FrameStripLayout(TvnStrip strip, const TvnNinePart& parts, const TvnNinePartTarget& to);

// All four strips; a strip that is not built stays a null image.
TvnFrameStrips BuildFrameStrips(const QImage& source, const TvnNinePart& parts, const TvnNinePartTarget& to);

// The strips of a mask picture: as BuildFrameStrips, but the edges are always tiled, so
// the window's outline keeps the mask's exact pixels.
TvnFrameStrips BuildMaskStrips(const QImage& mask, const TvnNinePart& parts, const TvnNinePartTarget& to);

} // namespace vnutils
