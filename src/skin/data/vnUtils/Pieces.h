#pragma once
// A composition is worked out as a list of pieces (which source rectangle goes where,
// and how) before a single pixel moves. The same list draws into an off-screen image or
// straight onto a painter, and tests can read the geometry without drawing.
#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

namespace vnutils {

enum class TvnPieceKind {
    Copy, // 1:1, cut to the smaller of the two rectangles
    Stretch, // scaled onto the target
    TileX, // tiled across, placed once down
    TileY, // tiled down, placed once across
    TileXY, // tiled both ways
};

struct TvnPiece {
    TvnPieceKind Kind = TvnPieceKind::Copy;
    QRect Target; // in the target image
    QRect Source; // in the source picture
};

using TvnPieces = std::vector<TvnPiece>;

// Draws the pieces in order into `target` (a 32-bit image); `source` is converted to
// the target's format when it is not in it.
void DrawPieces(QImage& target, const QImage& source, const TvnPieces& pieces);

// The same onto a painter (for controls that paint their background straight on the
// screen); scaling is then the painter's own.
void DrawPieces(QPainter& painter, const QImage& source, const TvnPieces& pieces);

} // namespace vnutils
